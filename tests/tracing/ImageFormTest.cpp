// The digitizing form end to end: radiographs opened through the dialog,
// the scale and 25 landmarks clicked with real mouse events, stepping back,
// re-placing, zoom and pan, and the files that cannot be opened.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>

#include "platform/FileDialogs.h"
#include "platform/GifWriter.h"
#include "platform/MessageBox.h"
#include "tracing/CephDisplay.h"
#include "tracing/Geometry.h"
#include "tracing/ImageForm.h"
#include "tracing/Landmarks.h"
#include "tracing/Radiograph.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmImage";

class ImageFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient(QStringLiteral("Kim"), QStringLiteral("7"), QStringLiteral("15"), QStringLiteral("0"), 0);
        Forms::Show("frmCephalo");
        click("frmCephalo", "cmdImage");
        SetOpenDialogAnswer([this](const QString& title, const QString& filter) -> std::optional<QString> {
            dialogs << title + u'|' + filter;
            if (answer.isEmpty()) return std::nullopt;
            return answer;
        });
    }
    ImageForm& image() { return Forms::Get<ImageForm>(); }
    CephDisplay* display() { return control<CephDisplay>(kForm, "picCeph"); }
    QComboBox* combo(const char* name) { return control<QComboBox>(kForm, name); }
    // A radiograph of w x h pixels, grey with a darker left half.
    QString picture(const QString& name, int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(200, 200, 200));
        QPainter(&img).fillRect(0, 0, w / 2, h, QColor(90, 90, 90));
        const QString path = home() + u'/' + name;
        if (name.endsWith(QStringLiteral(".gif"))) {
            QFile file(path);
            EXPECT_TRUE(file.open(QIODevice::WriteOnly) && WriteGif(img, file));
        } else {
            EXPECT_TRUE(img.save(path, name.endsWith(QStringLiteral("BMP")) ? "BMP" : "JPEG"));
        }
        return path;
    }
    void open(const QString& path) {
        answer = path;
        click(kForm, "cmdOpen");
    }
    // A mouse event on the display at picture pixel (px, py).
    void mouse(QEvent::Type type, Qt::MouseButton button, double px, double py, Qt::MouseButtons held = {}) {
        const double zoom = image().digitizing().view.Zoom;
        const View& v = image().digitizing().view;
        const QPointF at(2 + (px * 15 - v.ViewX) * zoom / 15, 2 + (py * 15 - v.ViewY) * zoom / 15);
        QMouseEvent event(type, at, display()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(display(), &event);
    }
    void clickAt(double px, double py, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, button, px, py, button);
        mouse(QEvent::MouseButtonRelease, button, px, py);
    }
    void choose(const char* comboName, const QString& entry) {
        QComboBox* c = combo(comboName);
        c->setCurrentIndex(c->findText(entry));
        emit c->activated(c->currentIndex());
    }
    QStringList dialogs;
    QString answer;
};

TEST_F(ImageFormTest, OpenScaleAndPlaceAllLandmarksWithTheMouse) {
    EXPECT_EQ(labelText("frmCephalo", "lblODI"), QString());  // the cephalometric form was left as it was
    EXPECT_FALSE(isVisible("frmCephalo"));
    for (const char* tool : {"cmdScale", "cmdLandmark", "cmdModify", "cmdMagnify", "cmdMove", "cmdPreview"})
        EXPECT_FALSE(isEnabled(kForm, tool)) << tool;
    EXPECT_EQ(combo("cboScale")->currentText(), QStringLiteral("2 cm"));
    EXPECT_FALSE(combo("cboScale")->isEditable());  // only the three lengths can be chosen
    EXPECT_TRUE(combo("cboLandmark")->isEditable());
    EXPECT_EQ(combo("cboLandmark")->currentText(), QString());

    open(picture(QStringLiteral("ceph.jpg"), 600, 400));
    ASSERT_EQ(dialogs.size(), 1);
    EXPECT_TRUE(dialogs[0].startsWith(QStringLiteral("Open Ceph Image|JPEG Files (*.jpg *.JPG")));
    EXPECT_EQ(Radiograph().size(), QSize(600, 400));
    EXPECT_TRUE(isEnabled(kForm, "cmdScale") && isEnabled(kForm, "cmdMagnify"));

    choose("cboScale", QStringLiteral("5 cm"));
    click(kForm, "cmdScale");
    EXPECT_EQ(labelText(kForm, "lblScale"), QStringLiteral("시작점"));
    clickAt(100, 50);
    EXPECT_EQ(labelText(kForm, "lblScale"), QStringLiteral("끝점"));
    clickAt(100, 50);  // the same point again is refused
    EXPECT_EQ(messages, QStringList{QStringLiteral("Scale의 시작점과 끝점이 같습니다. 끝점을 다시 눌러 주세요.")});
    EXPECT_EQ(image().digitizing().ClickMode, 2);
    clickAt(500, 50);
    EXPECT_EQ(Tracing().ScaleLength, 50);
    EXPECT_NEAR(Tracing().MmPerPixel, 50.0 / (400 * 15), 1e-5);

    click(kForm, "cmdLandmark");
    EXPECT_EQ(labelText(kForm, "lblLandmark"), QStringLiteral("Nasion"));
    for (const Landmark& l : kLandmarks) {
        clickAt(20 * l.k, 10 + 15 * l.k);
        if (l.k == 18) {  // one step back and the landmark again
            clickAt(0, 0, Qt::RightButton);
            EXPECT_EQ(labelText(kForm, "lblLandmark"), QStringLiteral("Mx 6 Crown"));
            clickAt(20 * l.k, 10 + 15 * l.k);
        }
        EXPECT_EQ(labelText(kForm, "lblLandmark"), QString::fromUtf8(l.k < 25 ? LandmarkAt(l.k + 1).forwardPrompt : ""));
    }
    for (const Landmark& l : kLandmarks) {
        EXPECT_NEAR(Tracing().*l.x, 300 * l.k, 15) << l.name;
        EXPECT_NEAR(Tracing().*l.y, 150 + 225 * l.k, 15) << l.name;
    }
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview") && isEnabled(kForm, "cmdScale"));
    EXPECT_EQ(image().digitizing().ClickMode, 100);
    // Marks are drawn in light red, and the window shows the retained drawing.
    const double zoom = image().digitizing().view.Zoom;
    EXPECT_EQ(display()->drawing().pixelColor(qRound(40 * zoom), qRound(40 * zoom)), QColor(255, 0, 0));
    EXPECT_EQ(display()->grab().toImage().pixelColor(2 + qRound(40 * zoom), 2 + qRound(40 * zoom)), QColor(255, 0, 0));

    choose("cboLandmark", QStringLiteral("Sella"));
    click(kForm, "cmdModify");
    clickAt(250, 300);
    EXPECT_NEAR(Tracing().SellaX, 3750, 15);
    EXPECT_EQ(image().digitizing().ClickMode, 100);
    EXPECT_FALSE(isEnabled(kForm, "cmdScale"));

    click(kForm, "cmdClose");
    EXPECT_TRUE(isVisible("frmCephalo") && !isVisible(kForm));
}

TEST_F(ImageFormTest, MagnifyAndPanTheEnlargedPicture) {
    open(picture(QStringLiteral("tall.BMP"), 300, 900));  // upper-case ending
    ASSERT_EQ(Radiograph().size(), QSize(300, 900));
    const double heightFit = image().digitizing().view.Zoom;
    click(kForm, "cmdMagnify");
    EXPECT_GT(image().digitizing().view.Zoom, heightFit);
    click(kForm, "cmdMove");
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, 100, 300, Qt::LeftButton);
    mouse(QEvent::MouseMove, Qt::NoButton, 100, 200, Qt::LeftButton);  // drag up by 100 pixels
    EXPECT_NEAR(image().digitizing().view.ViewY, 1500, 1);
    EXPECT_EQ(image().digitizing().view.ViewX, 0);  // the width fits: no sideways pan
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, 100, 200);
    EXPECT_EQ(image().digitizing().ClickMode, 0);
    click(kForm, "cmdMagnify");
    EXPECT_EQ(image().digitizing().view.Zoom, heightFit);
}

TEST_F(ImageFormTest, FilesThatCannotBeOpenedChangeNothing) {
    open(picture(QStringLiteral("ceph.gif"), 400, 300));
    ASSERT_EQ(Radiograph().size(), QSize(400, 300));
    choose("cboScale", QStringLiteral("2 cm"));
    click(kForm, "cmdScale");
    clickAt(100, 100);
    const QImage before = display()->drawing();
    QFile text(home() + QStringLiteral("/notes.jpg"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();
    QFile(home() + QStringLiteral("/empty.bmp")).open(QIODevice::WriteOnly);
    const QString names[] = {QString(), text.fileName(), home() + QStringLiteral("/empty.bmp"),
                             home() + QStringLiteral("/missing.jpg")};
    for (const QString& name : names) {
        messages.clear();
        open(name);
        EXPECT_EQ(messages, name.isEmpty() ? QStringList() : QStringList{QStringLiteral("그림 파일을 열 수 없습니다: ") + name});
        EXPECT_EQ(Radiograph().size(), QSize(400, 300));
        EXPECT_EQ(image().digitizing().ClickMode, 2);
        EXPECT_NEAR(Tracing().ScaleX1, 1500, 15);
        EXPECT_EQ(display()->drawing(), before);
    }
    // The picture lives in memory: its file is not needed again.
    QFile::remove(home() + QStringLiteral("/ceph.gif"));
    clickAt(300, 100);
    EXPECT_EQ(image().digitizing().ClickMode, 0);
    EXPECT_EQ(display()->drawing().pixelColor(1, 1).red(), 90);
}

TEST_F(ImageFormTest, MarksPastThePicturesEdgeLeaveNoGhost) {
    open(picture(QStringLiteral("narrow.jpg"), 200, 600));  // fills the height, not the width
    const double zoom = image().digitizing().view.Zoom;
    // Red pixels just right of the picture's edge, around the mark's row.
    auto redPastEdge = [&] {
        int red = 0;
        const int edge = qRound(200 * zoom);
        for (int x = edge + 1; x <= edge + 3; ++x)
            for (int y = qRound(100 * zoom) - 4; y <= qRound(100 * zoom) + 4; ++y)
                red += display()->drawing().pixelColor(x, y) == QColor(255, 0, 0);
        return red;
    };
    click(kForm, "cmdScale");
    clickAt(199, 100);
    EXPECT_GT(redPastEdge(), 0);
    clickAt(20, 500);  // the end point; the start stays
    click(kForm, "cmdScale");  // the scale again: its points go at the next repaint
    clickAt(20, 20);
    EXPECT_EQ(redPastEdge(), 0);
}

TEST_F(ImageFormTest, GeometryOverflowIsShownUnderTheProceduresName) {
    QStringList titled;
    SetTitledMessageSink([&](const QString& title, const QString& text) { titled << title + u'|' + text; });
    EXPECT_EQ(LineCrossX(0, 0, 1e-300, 1e300, 0, 1, 1, 1), 0);
    EXPECT_EQ(titled, QStringList{QStringLiteral("LineCrossX|Error: 6. Overflow")});
}

}  // namespace
}  // namespace vt::testing
