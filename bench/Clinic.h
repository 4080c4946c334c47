#pragma once
// The real program in-process with one patient, its forms filled as a
// clinician fills them and their buttons pressed by control name, so that a
// benchmark times exactly what the clinician waits for after a press.

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

#include "platform/Seams.h"
#include "tracing/TracingPoints.h"

namespace bench {

class Clinic {
public:
    // Started once per process, in a temporary home folder.
    static Clinic& Get();

    // "다음 환자", then the same patient again: the model, cephalometric and
    // diagnosis forms filled and each run once, so that every button is
    // ready whatever ran before (a traced hand-over disables "Ceph 분석").
    void startOver();

    void click(const char* form, const char* button);
    // "결과인쇄 보기" of the digitizing form with `film` open and the
    // landmarks placed at `clicks`; true when the tracing was accepted.
    bool pressResultButton(const QImage& film, const vt::TracingInput& clicks);
    // A result file in the patient folder ("CephAx.png").
    QString resultFile(const char* fileName) const;
    // The pages the last presses wrote, read back from their files; null
    // where a file is missing.
    std::vector<QImage> pages(const std::vector<const char*>& fileNames) const;

    // Messages the program showed; a refused press shows one.
    QStringList messages;

private:
    Clinic();
    void type(const char* form, const char* box, const char* text);

    QTemporaryDir home_;
    vt::SeamsGuard seams_;
};

}  // namespace bench
