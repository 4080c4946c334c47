// Each form's title, captions, places in twips, fonts and tab order, one table a form. A place is (left, top, width,
// height) in twips, 15 to the pixel; a width of 0 leaves the size to the control. Captions with "&" follow the
// platform's mnemonic rule.
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <span>
#include "intake/FormNames.h"
#include "intake/PreviewForm.h"
#include "platform/FormControls.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

struct Control {
    const char* name;
    const char* caption;  // a text box's text as loaded
    int left, top, width, height;
    int tab;  // -1: never takes the focus
    double points;
};

QString ShownCaption(QWidget* control) {
    if (auto* b = qobject_cast<QAbstractButton*>(control)) return b->text();
    if (auto* e = qobject_cast<QLineEdit*>(control)) return e->text();
    if (auto* l = qobject_cast<QLabel*>(control)) return l->text();
    return {};
}

QString ExpectedCaption(QWidget* control, const char* caption) {
    const auto* label = qobject_cast<QLabel*>(control);
    const QString text = QString::fromUtf8(caption);
    return label && label->textFormat() == Qt::RichText ? MnemonicRichText(text) : text;
}

// The controls that take the focus, in the order Tab moves it, from the first of `names`.
QStringList TabOrder(QWidget* first, const QStringList& names) {
    QStringList order;
    QWidget* w = first;
    do {
        if (names.contains(w->objectName()) && (w->focusPolicy() & Qt::TabFocus)) order << w->objectName();
        w = w->nextInFocusChain();
    } while (w && w != first && order.size() <= names.size());
    return order;
}

using FormLayoutTest = ProgramTest;

void CheckForm(const char* formName, const char* title, std::span<const Control> rows) {
    QWidget* form = &Forms::Get(formName);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(title)) << formName;
    QStringList tabs(static_cast<qsizetype>(rows.size()));
    QStringList names;
    for (const Control& row : rows) {
        auto* control = form->findChild<QWidget*>(QString::fromUtf8(row.name));
        ASSERT_NE(control, nullptr) << row.name;
        names << control->objectName();
        EXPECT_EQ(ShownCaption(control), ExpectedCaption(control, row.caption)) << row.name;
        const QRect want(row.left / 15, row.top / 15, row.width / 15, row.height / 15);
        EXPECT_EQ(control->pos(), want.topLeft()) << row.name;
        if (row.width) {
            EXPECT_EQ(control->size(), want.size()) << row.name;
        }
        EXPECT_EQ(control->font().family(), QStringLiteral("NanumGothic")) << row.name;
        EXPECT_EQ(control->font().pointSizeF(), row.points) << row.name;
        if (row.tab >= 0) tabs[row.tab] = QString::fromUtf8(row.name);
    }
    tabs.removeAll(QString());
    EXPECT_EQ(TabOrder(form->findChild<QWidget*>(tabs.value(0)), names), tabs) << formName;
}

TEST_F(FormLayoutTest, StartFormLayout) {
    static const Control rows[] = {
        {"txtName", "", 2880, 4800, 2415, 375, 0, 12},
        {"txtChartNo", "", 7440, 4800, 2415, 375, 1, 12},
        {"optSex_0", "Male", 2880, 5640, 1215, 375, 2, 12},
        {"optSex_1", "Female", 4320, 5640, 1335, 375, 3, 12},
        {"txtYear", "", 7440, 5640, 735, 375, 4, 12},
        {"txtMonth", "", 9120, 5640, 735, 375, 5, 12},
        {"cmdStart", "분석 시작", 2040, 6480, 1815, 615, 6, 12},
        {"cmdHelp", "도움말", 5040, 6480, 1815, 615, 7, 12},
        {"cmdExit", "종  료", 8040, 6480, 1815, 615, 8, 12},
        {"Label1", "성별", 1680, 5640, 855, 375, -1, 12},
        {"Label2", "나이", 6120, 5640, 855, 375, -1, 12},
        {"Label3", "Year", 8280, 5640, 615, 375, -1, 12},
        {"Label4", "Month", 9960, 5640, 855, 375, -1, 12},
        {"Picture1", "", -600, 0, 12975, 4455, -1, 12},
        {"Label5", "이름", 1680, 4800, 855, 375, -1, 12},
        {"Label6", "Chart No.", 6120, 4800, 1095, 375, -1, 12},
    };
    CheckForm(FormName::Start, "Veltrane", rows);
    for (const char* option : {"optSex_0", "optSex_1"})
        EXPECT_FALSE(control<QRadioButton>(FormName::Start, option)->isChecked()) << option;
}

TEST_F(FormLayoutTest, PreviewFormLayout) {
    static const Control rows[] = {
        {"cmdNext", "다음 페이지", 360, 1080, 1575, 495, 0, 11.25},
        {"cmdBefore", "이전 페이지", 360, 240, 1575, 495, 1, 11.25},
        {"cmdDownMove", "아래로 이동", 360, 2760, 1575, 495, 2, 11.25},
        {"cmdUpMove", "위로 이동", 360, 1920, 1575, 495, 3, 11.25},
        {"cmdSave", "따로 저장", 360, 3600, 1575, 495, 4, 11.25},
        {"cmdPrint", "인     쇄", 360, 4440, 1575, 495, 5, 11.25},
        {"cmdClose", "닫     기", 360, 5280, 1575, 495, 6, 11.25},
        {"picPreview", "", 2400, 0, 0, 0, -1, 8.25},
    };
    CheckForm(FormName::Preview, "Analysis Preview", rows);
    // Sized to the screen; the page 2495 twips narrower and 445 lower.
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(form(FormName::Preview)->size(), screen);
    EXPECT_EQ(control<QWidget>(FormName::Preview, "picPreview")->size(),
              QSize(screen.width() - 2495 / 15, screen.height() - 445 / 15));
    EXPECT_FLOAT_EQ(Forms::Get<PreviewForm>().visibleHeight(), (screen.height() - 445 / 15) * 25.4 / 96);  // in mm
}

TEST_F(FormLayoutTest, CephaloFormLayout) {
    static const Control rows[] = {
        {"Label1", "Cephalo 분석", 360, 240, 0, 0, -1, 24},
        {"Label2_0", "Skeletal Ax", 720, 1200, 0, 0, -1, 12},
        {"Label2_1", "Dental && Esthetic Ax", 8160, 1200, 0, 0, -1, 12},
        {"Label2_2", "SNA", 1320, 1800, 1095, 375, -1, 12},
        {"txtSNA", "", 2520, 1800, 1215, 375, 0, 12},
        {"Label2_3", "PFH", 4800, 1800, 1095, 375, -1, 12},
        {"txtPFH", "", 6120, 1800, 1215, 375, 4, 12},
        {"Label2_4", "Wits", 8760, 1800, 1095, 375, -1, 12},
        {"txtWits", "", 9960, 1800, 1215, 375, 10, 12},
        {"Label2_5", "SNB", 1320, 2280, 1095, 375, -1, 12},
        {"txtSNB", "", 2520, 2280, 1215, 375, 1, 12},
        {"Label2_6", "AFH", 4800, 2280, 1095, 375, -1, 12},
        {"txtAFH", "", 6120, 2280, 1215, 375, 5, 12},
        {"Label2_7", "&1 / SN", 8760, 2280, 1095, 375, -1, 12},
        {"txtUISN", "", 9960, 2280, 1215, 375, 11, 12},
        {"Label2_8", "ANB", 1320, 2760, 1095, 375, -1, 12},
        {"lblANB", "", 2520, 2760, 1215, 375, -1, 12},
        {"Label2_9", "PFH/AFH", 4800, 2760, 1095, 375, -1, 12},
        {"lblPFHAFH", "", 6120, 2760, 1215, 375, -1, 12},
        {"Label2_10", "IMPA", 8760, 2760, 1095, 375, -1, 12},
        {"txtIMPA", "", 9960, 2760, 1215, 375, 12, 12},
        {"Label2_11", "Facial A", 1320, 3240, 1215, 375, -1, 12},
        {"txtFA", "", 2520, 3240, 1215, 375, 2, 12},
        {"Label2_12", "SN/MP", 4800, 3240, 1095, 375, -1, 12},
        {"txtSNMP", "", 6120, 3240, 1215, 375, 6, 12},
        {"Label2_13", "&1 to FP", 8760, 3240, 1095, 375, -1, 12},
        {"txtUIFP", "", 9960, 3240, 1215, 375, 13, 12},
        {"Label2_14", "AB/MP", 1320, 3720, 1095, 375, -1, 12},
        {"txtABMP", "", 2520, 3720, 1215, 375, 3, 12},
        {"Label2_15", "FMA", 4800, 3720, 1095, 375, -1, 12},
        {"txtFMA", "", 6120, 3720, 1215, 375, 7, 12},
        {"Label2_16", "1 to FP", 8760, 3720, 1095, 375, -1, 12},
        {"txtLIFP", "", 9960, 3720, 1215, 375, 14, 12},
        {"Label2_17", "ODI", 1320, 4200, 1095, 375, -1, 12},
        {"lblODI", "", 2520, 4200, 1215, 375, -1, 12},
        {"Label2_18", "PP/MP", 4800, 4200, 1095, 375, -1, 12},
        {"txtPPMP", "", 6120, 4200, 1215, 375, 8, 12},
        {"Label2_19", "UL", 8760, 4200, 1095, 375, -1, 12},
        {"txtUL", "", 9960, 4200, 1215, 375, 15, 12},
        {"Label2_20", "APDI", 1320, 4680, 1095, 375, -1, 12},
        {"lblAPDI", "", 2520, 4680, 1215, 375, -1, 12},
        {"Label2_21", "OP/MP", 4800, 4680, 1095, 375, -1, 12},
        {"txtOPMP", "", 6120, 4680, 1215, 375, 9, 12},
        {"Label2_22", "LL", 8760, 4680, 1095, 375, -1, 12},
        {"txtLL", "", 9960, 4680, 1215, 375, 16, 12},
        {"lblCephalo", "", 720, 5400, 6735, 2775, -1, 12},
        {"cmdImage", "Image Tracing && 분석", 7920, 5400, 3375, 495, 17, 11.25},
        {"cmdCephalo", "Ceph 분석", 7920, 6120, 1575, 495, 18, 11.25},
        {"cmdPreview", "결과인쇄 보기", 9720, 6120, 1575, 495, 19, 11.25},
        {"cmdNext", "다음 분석으로", 7920, 6840, 1575, 495, 20, 11.25},
        {"cmdTooth", "Model 분석", 9720, 6840, 1575, 495, 21, 11.25},
        {"cmdNextPatient", "다음 환자", 7920, 7560, 1575, 495, 22, 11.25},
        {"cmdExit", "종    료", 9720, 7560, 1575, 495, 23, 11.25},
    };
    CheckForm(FormName::Cephalo, "Veltrane", rows);
    EXPECT_EQ(form(FormName::Cephalo)->size(), QSize(11910 / 15, 8520 / 15));
    // The title in bold dark blue; the bar over the 1 of "1 to FP" from (8760, 3720) to (8880, 3720).
    auto* title = control<QLabel>(FormName::Cephalo, "Label1");
    title->ensurePolished();
    EXPECT_EQ(std::pair(title->font().bold(), title->palette().color(title->foregroundRole())),
              std::pair(true, QColor(0, 0, 192)));
    EXPECT_EQ(control<QWidget>(FormName::Cephalo, "Line1")->geometry(),
              QRect(8760 / 15, 3720 / 15, (8880 - 8760) / 15, 1));
}

}  // namespace
}  // namespace vt::testing
