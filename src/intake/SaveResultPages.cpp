#include "intake/SaveResultPages.h"

#include <QStringList>

#include "intake/PatientFolder.h"
#include "platform/ImageWriter.h"
#include "platform/MessageBox.h"
#include "platform/PageImage.h"

namespace vt {

bool SaveResultPages(std::initializer_list<PreviewState> pages) {
    QStringList failed;
    for (const PreviewState page : pages) {
        const QString path = ResultFilePath(Patient(), PageFileName(page));
        if (!SaveBitmapAs(DrawSavedPage(PageProcedureFor(page)), path.toStdString())) failed << path;
    }
    if (failed.isEmpty()) return true;
    ShowMessage(QStringLiteral("결과 파일을 저장하지 못했습니다:\n") + failed.join(u'\n'));
    return false;
}

}  // namespace vt
