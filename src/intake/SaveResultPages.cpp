#include "intake/SaveResultPages.h"

#include <QStringList>

#include "intake/PatientFolder.h"
#include "intake/PreviewForm.h"
#include "platform/ImageWriter.h"
#include "platform/MessageBox.h"

namespace vt {

bool SaveResultPages(const std::vector<ResultPage>& pages) {
    QStringList failed;
    if (StartGdiPlus(1)) {
        PreviewForm& preview = Forms::Get<PreviewForm>();
        for (const ResultPage& page : pages) {
            preview.setSavedPicture(DrawSavedPage(page.page));
            const QString path = ResultFilePath(Patient(), page.fileName);
            if (!SaveBitmapAs(preview.savedPicture(), path.toStdString())) failed << path;
        }
        ShutdownGdiPlus();
    } else {
        for (const ResultPage& page : pages) failed << ResultFilePath(Patient(), page.fileName);
    }
    if (failed.isEmpty()) return true;
    ShowMessage(QStringLiteral("결과 파일을 저장하지 못했습니다:\n") + failed.join(u'\n'));
    return false;
}

}  // namespace vt
