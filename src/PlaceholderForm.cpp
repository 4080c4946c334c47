#include "PlaceholderForm.h"

#include <QLabel>
#include <QPushButton>

#include "intake/NextPatient.h"
#include "platform/FontMap.h"
#include "platform/FormControls.h"

namespace vt {

PlaceholderForm::PlaceholderForm(const char* name, const QString& title) : Form(name) {
    setWindowTitle(QStringLiteral("Veltrane"));
    SizeFormTwips(this, 11910, 8520);
    const QFont font = FormFont("돋움", 12);
    MakeLabel(this, "Label1", title, {360, 240, 9000, 600}, FormFont("돋움", 24, true));
    MakeLabel(this, "Label2", QStringLiteral("이 분석은 아직 준비 중입니다."), {720, 1800, 9000, 500}, font);
    auto* next = MakeButton(this, "cmdNextPatient", QStringLiteral("다음 환자"), {7920, 7560, 1575, 495}, font);
    auto* exit = MakeButton(this, "cmdExit", QStringLiteral("종  료"), {9720, 7560, 1575, 495}, font);
    connect(next, &QPushButton::clicked, this, [] { NextPatient(); });
    connect(exit, &QPushButton::clicked, this, [] { Forms::EndProgram(); });
}

}  // namespace vt
