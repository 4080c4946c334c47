// The digitizing form end to end: radiographs opened through the dialog,
// the scale and 25 landmarks clicked with real mouse events, stepping back,
// re-placing, zoom and pan, and the files that cannot be opened.

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMouseEvent>

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
            return answer.isEmpty() ? std::nullopt : std::optional(answer);
        });
    }
    ImageForm& image() { return Forms::Get<ImageForm>(); }
    CephDisplay* display() { return control<CephDisplay>(kForm, "picCeph"); }
    QComboBox* combo(const char* name) { return control<QComboBox>(kForm, name); }
    // A grey radiograph of w x h pixels.
    QString picture(const QString& name, int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(200, 200, 200));
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
        const View& v = image().digitizing().view;
        const QPointF at(2 + (px * 15 - v.ViewX) * v.Zoom / 15, 2 + (py * 15 - v.ViewY) * v.Zoom / 15);
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
    EXPECT_FALSE(isVisible("frmCephalo"));
    EXPECT_FALSE(isEnabled(kForm, "cmdScale") || isEnabled(kForm, "cmdMagnify") || isEnabled(kForm, "cmdPreview"));
    EXPECT_TRUE(combo("cboScale")->currentText() == QStringLiteral("2 cm") && combo("cboLandmark")->currentText().isEmpty());
    // Only the three lengths can be chosen; a landmark name can be typed.
    EXPECT_TRUE(!combo("cboScale")->isEditable() && combo("cboLandmark")->isEditable());

    open(picture(QStringLiteral("ceph.jpg"), 600, 400));
    EXPECT_TRUE(dialogs.value(0).startsWith(QStringLiteral("Open Ceph Image|JPEG Files (*.jpg *.JPG")));
    EXPECT_EQ(Radiograph().size(), QSize(600, 400));

    choose("cboScale", QStringLiteral("5 cm"));
    click(kForm, "cmdScale");
    clickAt(100, 50);
    clickAt(100, 50);  // the same point again is refused
    EXPECT_EQ(messages, QStringList{QStringLiteral("Scale의 시작점과 끝점이 같습니다. 끝점을 다시 눌러 주세요.")});
    EXPECT_TRUE(image().digitizing().ClickMode == 2 && Tracing().ScaleX2 == kNotPlaced && Tracing().MmPerPixel == 0);
    clickAt(500, 50);
    EXPECT_EQ(Tracing().ScaleLength, 50);
    EXPECT_NEAR(Tracing().MmPerPixel, 50.0 / (400 * 15), 1e-5);

    click(kForm, "cmdLandmark");
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
    // Marks are drawn in light red, and the window shows the retained drawing.
    const double zoom = image().digitizing().view.Zoom;
    EXPECT_EQ(display()->drawing().pixelColor(qRound(40 * zoom), qRound(40 * zoom)), QColor(255, 0, 0));
    EXPECT_EQ(display()->grab().toImage().pixelColor(2 + qRound(40 * zoom), 2 + qRound(40 * zoom)), QColor(255, 0, 0));

    // The other fit is wider than the display: it pans sideways only.
    click(kForm, "cmdMagnify");
    EXPECT_GT(image().digitizing().view.Zoom, zoom);
    click(kForm, "cmdMove");
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, 300, 200, Qt::LeftButton);
    mouse(QEvent::MouseMove, Qt::NoButton, 250, 150, Qt::LeftButton);
    EXPECT_NEAR(image().digitizing().view.ViewX, 750, 1);
    EXPECT_EQ(image().digitizing().view.ViewY, 0);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, 250, 150);
    EXPECT_EQ(image().digitizing().ClickMode, 100);

    choose("cboLandmark", QStringLiteral("Sella"));
    click(kForm, "cmdModify");
    clickAt(250, 300);
    EXPECT_NEAR(Tracing().SellaX, 3750, 15);
    EXPECT_FALSE(isEnabled(kForm, "cmdScale"));

    // Overflow in the geometry shows under the procedure's own name.
    QStringList titled;
    SetTitledMessageSink([&](const QString& title, const QString& text) { titled << title + u'|' + text; });
    EXPECT_EQ(LineCrossX(0, 0, 1e-300, 1e300, 0, 1, 1, 1), 0);
    EXPECT_EQ(titled, QStringList{QStringLiteral("LineCrossX|Error: 6. Overflow")});

    click(kForm, "cmdClose");
    EXPECT_TRUE(isVisible("frmCephalo") && !isVisible(kForm));
}

TEST_F(ImageFormTest, FilesThatCannotBeOpenedChangeNothing) {
    open(picture(QStringLiteral("ceph.BMP"), 400, 300));  // upper-case ending
    ASSERT_EQ(Radiograph().size(), QSize(400, 300));
    choose("cboScale", QStringLiteral("2 cm"));
    click(kForm, "cmdScale");
    clickAt(100, 100);
    const QImage before = display()->drawing();
    const QString names[] = {QString(), home() + QStringLiteral("/notes.jpg"), home() + QStringLiteral("/empty.bmp"),
                             home() + QStringLiteral("/missing.jpg")};
    for (auto [name, bytes] : {std::pair{names[1], "not a picture"}, {names[2], ""}}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0);
    }
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
    QFile::remove(home() + QStringLiteral("/ceph.BMP"));
    clickAt(300, 100);
    EXPECT_EQ(Radiograph().size(), QSize(400, 300));
}

TEST_F(ImageFormTest, MarksPastThePicturesEdgeLeaveNoGhost) {
    open(picture(QStringLiteral("narrow.gif"), 200, 600));  // fills the height, not the width
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

}  // namespace
}  // namespace vt::testing
