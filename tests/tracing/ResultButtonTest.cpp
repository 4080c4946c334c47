// The result button: a refused press changes nothing; a clicked radiograph
// reaches the cephalometric form, the preview and the three tracing files.

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <filesystem>

#include "ceph/CephRecord.h"
#include "intake/PreviewForm.h"
#include "platform/FileDialogs.h"
#include "platform/NumberText.h"
#include "support/ProgramFixture.h"
#include "tracing/CephDisplay.h"
#include "tracing/ImageForm.h"
#include "tracing/SampleTracing.h"
#include "tracing/TracingResult.h"

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmImage";
constexpr double kMmPerPixel = 0.25;  // of anatomy, on the generated film
constexpr double kSellaPx = 400, kSellaPy = 500;

class ResultButtonTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("0"), 0);
        Forms::Show("frmCephalo");
        click("frmCephalo", "cmdImage");
        // A grey film with a green square of 6 mm around Sella.
        QImage film(1000, 1100, QImage::Format_RGB32);
        film.fill(QColor(150, 150, 150));
        QPainter(&film).fillRect(QRectF(kSellaPx - 12, kSellaPy - 12, 24, 24), Qt::green);
        filmPath = home() + QStringLiteral("/film.bmp");
        ASSERT_TRUE(film.save(filmPath, "BMP"));
        SetOpenDialogAnswer([this](const QString&, const QString&) { return std::optional<QString>(filmPath); });
    }
    void clickAt(double px, double py) {
        const View& v = Forms::Get<ImageForm>().digitizing().view;
        const QPointF at(2 + (px * 15 - v.ViewX) * v.Zoom / 15, 2 + (py * 15 - v.ViewY) * v.Zoom / 15);
        auto* display = control<CephDisplay>(kForm, "picCeph");
        QMouseEvent press(QEvent::MouseButtonPress, at, display->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, {});
        QMouseEvent release(QEvent::MouseButtonRelease, at, display->mapToGlobal(at), Qt::LeftButton, {}, {});
        QApplication::sendEvent(display, &press);
        QApplication::sendEvent(display, &release);
    }
    // Opens the film, sets a 2 cm scale over 80 pixels and clicks the sample tracing.
    void digitize() {
        click(kForm, "cmdOpen");
        click(kForm, "cmdScale");  // "2 cm" is chosen on a fresh form
        clickAt(100, 100);
        clickAt(100 + 20 / kMmPerPixel, 100);
        click(kForm, "cmdLandmark");
        for (const Point& q : kSampleSheet) clickAt(kSellaPx + (q.x - 70) / kMmPerPixel, kSellaPy + (q.y - 90) / kMmPerPixel);
    }
    std::string file(const char* name) const {
        return (patientFolder(QStringLiteral("7(15Y0M)")) + u'/' + QString::fromUtf8(name)).toStdString();
    }
    QString box(const char* name) { return control<QLineEdit>("frmCephalo", name)->text(); }
    QString filmPath;
};

TEST_F(ResultButtonTest, RefusedPressChangesNothingAndTheCorrectedTracingGoesThrough) {
    digitize();
    Tracing().MmPerPixel /= 10;  // the film read at a tenth of its size
    click(kForm, "cmdPreview");
    EXPECT_EQ(messages, QStringList{QStringLiteral(
        "Scale 설정이 정상적으로 입력되지 않았습니다. 확인하시고 [결과인쇄 보기] 단추를 다시 눌러 주세요!")});
    EXPECT_TRUE(box("txtSNA").isEmpty() && Ceph().SNA == CephRecord{}.SNA && LastTracing().measures.SNMP == 0);
    EXPECT_TRUE(isEnabled("frmCephalo", "cmdCephalo") && !isEnabled("frmCephalo", "cmdNext") && isVisible(kForm));
    namespace fs = std::filesystem;
    EXPECT_FALSE(fs::exists(file("CephAx1.png")) || fs::exists(file("CephAx2.png")) || fs::exists(file("CephAx3.png")));

    messages.clear();
    Tracing().MmPerPixel *= 10;
    QFile::remove(filmPath);  // the picture in memory serves; its file is not read again
    click(kForm, "cmdPreview");
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    const TracingMeasures& m = LastTracing().measures;
    EXPECT_NEAR(m.SNMP, 32.23, 0.3);  // the sample face, clicked to a pixel
    // The boxes show one decimal; the record keeps the measurement itself.
    EXPECT_EQ((box("txtSNMP") + u'|' + labelText("frmCephalo", "lblPFHAFH")).toStdString(),
              FormatNumber(m.SNMP, "#0.0") + "|" + FormatNumber(m.PFHAFH, "#0.0"));
    EXPECT_TRUE(Ceph().IIA == m.IIA && Ceph().UIFP != std::stod(box("txtUIFP").toStdString()));
    EXPECT_TRUE(Ceph().Sum == 0 && !Ceph().MsgCephalo.empty());  // Sum is not handed over; the evaluation ran
    EXPECT_TRUE(!isEnabled("frmCephalo", "cmdCephalo") && !isEnabled("frmCephalo", "cmdPreview") &&
                isEnabled("frmCephalo", "cmdNext"));
    EXPECT_TRUE(State() == PreviewState::Tracing1 && isVisible("frmAxPreview") && !isVisible(kForm));
    EXPECT_TRUE(Offsets().Xchange == 0 && Offsets().Ychange == 0);

    // Written page 2, page 3, page 1; page 1 is what the off-screen page holds.
    EXPECT_LT(fs::last_write_time(file("CephAx2.png")), fs::last_write_time(file("CephAx3.png")));
    EXPECT_LT(fs::last_write_time(file("CephAx3.png")), fs::last_write_time(file("CephAx1.png")));
    const QImage page1(QString::fromStdString(file("CephAx1.png")));
    EXPECT_EQ(page1, Forms::Get<PreviewForm>().savedPicture().convertToFormat(page1.format()));
    // Drawn with the saved page's offsets: the film's green Sella just up and left of the traced one.
    const QColor nearSella = page1.pixelColor(qRound((68.5 - 15) * 96 / 25.4), qRound((89.3 - 15) * 96 / 25.4));
    EXPECT_TRUE(nearSella.green() > 200 && nearSella.red() < 60) << nearSella.name().toStdString();
}

}  // namespace
}  // namespace vt::testing
