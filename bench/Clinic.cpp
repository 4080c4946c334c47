#include "Clinic.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QLineEdit>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include "Program.h"
#include "intake/PatientFolder.h"
#include "intake/PatientRecord.h"
#include "platform/Forms.h"
#include "platform/Seams.h"
#include "tracing/ImageForm.h"
#include "tracing/Radiograph.h"
#include "tracing/TracingRecord.h"
#include "tracing/TracingResult.h"

namespace bench {
namespace {

template <class T>
T& Control(const char* form, const char* name) {
    T* control = vt::Forms::Get(form).findChild<T*>(QString::fromUtf8(name));
    if (!control) {
        std::fprintf(stderr, "no control %s.%s\n", form, name);
        std::abort();
    }
    return *control;
}

}  // namespace

Clinic& Clinic::Get() {
    static Clinic clinic;
    return clinic;
}

Clinic::Clinic() {
    qputenv("HOME", home_.path().toLocal8Bit());
    vt::CurrentSeams().message = [this](const QString&, const QString& text) { messages << text; };
    vt::StartProgram();
}

// A girl of 12.5 with the worked example's tooth widths, cephalometric
// values inside every range and findings that pass the diagnosis.
void Clinic::startOver() {
    click("frmModel", "cmdNextPatient");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // the unloaded forms
    for (auto [box, text] :
         {std::pair{"txtName", "홍길동"}, {"txtChartNo", "1234"}, {"txtYear", "12.5"}, {"txtMonth", "3"}})
        type("frmPatientInfo", box, text);
    click("frmPatientInfo", "optSex_1");
    click("frmPatientInfo", "cmdStart");

    const char* widths[] = {"8.5", "6.8", "7.9", "7.2", "6.8", "10.3", "5.4", "6.0", "7.0", "7.1", "7.2", "11.2"};
    for (int i = 0; i < 12; ++i) type("frmModel", ("txtSize_" + std::to_string(i)).c_str(), widths[i]);
    type("frmModel", "txtUBAW", "46.5");
    type("frmModel", "txtLBAW", "40");
    click("frmModel", "cmdTotalTeeth");
    click("frmModel", "cmdNext");

    for (auto [box, text] : {std::pair{"txtSNA", "82"},
                             {"txtSNB", "79"},
                             {"txtFA", "87"},
                             {"txtABMP", "71"},
                             {"txtPFH", "88"},
                             {"txtAFH", "130"},
                             {"txtSNMP", "34"},
                             {"txtFMA", "27"},
                             {"txtPPMP", "26"},
                             {"txtOPMP", "15"},
                             {"txtWits", "-2"},
                             {"txtUISN", "107"},
                             {"txtIMPA", "95"},
                             {"txtUIFP", "9"},
                             {"txtLIFP", "4"},
                             {"txtUL", "-1"},
                             {"txtLL", "1"}})
        type("frmCephalo", box, text);
    click("frmCephalo", "cmdCephalo");
    click("frmCephalo", "cmdNext");

    for (auto [box, text] : {std::pair{"txtALDMx", "3"},
                             {"txtALDMn", "4"},
                             {"txtCOS", "2"},
                             {"txtOB", "2"},
                             {"txtOJ", "3"},
                             {"txtMolarRt", "3"},
                             {"txtMolarLt", "1"},
                             {"txtCrossLt", "2"}})
        type("frmDiagnosis", box, text);
    for (const char* option : {"optMolarRt_1", "optCrossLt_2"}) click("frmDiagnosis", option);
    click("frmDiagnosis", "cmdDiagnosis");
}

void Clinic::type(const char* form, const char* box, const char* text) {
    Control<QLineEdit>(form, box).setText(QString::fromUtf8(text));
}

void Clinic::click(const char* form, const char* button) { Control<QAbstractButton>(form, button).click(); }

bool Clinic::pressResultButton(const QImage& film, const vt::TracingInput& clicks) {
    vt::Radiograph() = film;
    vt::Tracing().MmPerPixel = clicks.MmPerPixel;
    for (const vt::Landmark l : vt::kAllLandmarks)
        vt::Tracing().landmarks[l] = {clicks.landmarks[l].x, clicks.landmarks[l].y};
    vt::LastTracing() = {};
    vt::Forms::Get<vt::ImageForm>().cmdPreview_Click();
    return vt::LastTracing().MmPerPixel > 0;
}

QString Clinic::resultFile(const char* fileName) const { return vt::ResultFilePath(vt::Patient(), fileName); }

std::vector<QImage> Clinic::pages(const std::vector<const char*>& fileNames) const {
    std::vector<QImage> pages;
    for (const char* name : fileNames) pages.emplace_back(resultFile(name));
    return pages;
}

}  // namespace bench
