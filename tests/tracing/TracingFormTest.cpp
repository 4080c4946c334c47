// The digitizing form end to end with real mouse events on a generated radiograph, through to the
// cephalometric form, the preview and the three files; unreadable files and marks that leave no ghost.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTest>
#include <filesystem>
#include <map>

#include "ceph/CephRecord.h"
#include "intake/PreviewForm.h"
#include "platform/FileDialogs.h"
#include "platform/GifWriter.h"
#include "platform/MessageBox.h"
#include "platform/PageImage.h"
#include "support/ProgramFixture.h"
#include "support/SampleTracing.h"
#include "tracing/CephDisplay.h"
#include "tracing/Geometry.h"
#include "tracing/ImageForm.h"
#include "tracing/Radiograph.h"
#include "tracing/TracingResult.h"

namespace vt::testing {
namespace {

constexpr const char* kForm = "frmImage";
constexpr double kMmPerPixel = 0.25;  // of anatomy, on the generated film
constexpr double kSellaPx = 400, kSellaPy = 500;

class TracingFormTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        openDigitizingForm();
        CurrentSeams().openDialog = [this](const OpenDialogRequest& request) -> std::optional<QString> {
            dialogs << request.title + u'|' + request.filter;
            starts << request.startFolder;
            return answer.isEmpty() ? std::nullopt : std::optional(answer);
        };
    }
    ImageForm& image() { return Forms::Get<ImageForm>(); }
    const View& view() { return image().digitizing().view; }
    CephDisplay* display() { return control<CephDisplay>(kForm, "picCeph"); }
    QComboBox* combo(const char* name) { return control<QComboBox>(kForm, name); }
    // A grey film of w x h pixels with a green square of 24 pixels on Sella.
    QString picture(const QString& name, int w, int h) {
        QImage img(w, h, QImage::Format_RGB32);
        img.fill(QColor(150, 150, 150));
        QPainter(&img).fillRect(QRectF(kSellaPx - 12, kSellaPy - 12, 24, 24), Qt::green);
        const QString path = home() + u'/' + name;
        QFile file(path);
        if (name.endsWith(QStringLiteral(".gif"))) {
            const bool opened = file.open(QIODevice::WriteOnly);
            EXPECT_TRUE(opened) << "opening " << path.toStdString();
            if (opened) {
                EXPECT_TRUE(WriteGif(img, file)) << "writing " << path.toStdString();
            }
        } else {
            EXPECT_TRUE(img.save(path, name.endsWith(QStringLiteral("BMP")) ? "BMP" : "JPEG"))
                << "saving " << path.toStdString();
        }
        return path;
    }
    void open(const QString& path) { answer = path, click(kForm, "cmdOpen"); }
    // A mouse event on the display at widget position `at`, border included.
    void mouseAt(QEvent::Type type, Qt::MouseButton button, QPointF at, Qt::MouseButtons held = {}) {
        QMouseEvent event(type, at, display()->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(display(), &event);
    }
    // A mouse event on the display at picture pixel (px, py).
    void mouse(QEvent::Type type, Qt::MouseButton button, double px, double py, Qt::MouseButtons held = {}) {
        mouseAt(type,
                button,
                {2 + (px * 15 - view().ViewX) * view().Zoom / 15, 2 + (py * 15 - view().ViewY) * view().Zoom / 15},
                held);
    }
    void clickAt(double px, double py, Qt::MouseButton button = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, button, px, py, button);
        mouse(QEvent::MouseButtonRelease, button, px, py);
    }
    void choose(const char* name, const QString& entry) {
        combo(name)->setCurrentIndex(combo(name)->findText(entry));
        emit combo(name)->activated(combo(name)->currentIndex());
    }
    // Opens a film, takes its scale and places the 25 landmarks: the landmark list becomes usable.
    void placeAll() {
        open(picture(QStringLiteral("film.jpg"), 1000, 1100));
        click(kForm, "cmdScale");
        clickAt(100, 100);
        clickAt(300, 100);
        click(kForm, "cmdLandmark");
        for (Landmark l : kAllLandmarks) clickAt(100 + 20 * static_cast<double>(IndexOf(l)), 500);
    }
    std::string file(const char* name) const {
        return (patientFolder(QStringLiteral("7(15Y0M)")) + u'/' + QString::fromUtf8(name)).toStdString();
    }
    QString box(const char* name) { return control<QLineEdit>("frmCephalo", name)->text(); }
    QStringList dialogs;
    QStringList starts;  // the folder each open dialog started in
    QString answer;
};

TEST_F(TracingFormTest, FromARadiographThrough25ClicksToTheThreeFiles) {
    EXPECT_FALSE(isVisible("frmCephalo"));
    EXPECT_FALSE(isEnabled(kForm, "cmdScale")) << "scale button enabled before a film";
    EXPECT_FALSE(isEnabled(kForm, "cmdMagnify")) << "magnify button enabled before a film";
    EXPECT_FALSE(isEnabled(kForm, "cmdPreview")) << "result button enabled before a film";
    // Only the three lengths can be chosen; a landmark name can be typed.
    EXPECT_EQ(combo("cboScale")->currentText(), QStringLiteral("2 cm"));
    EXPECT_FALSE(combo("cboScale")->isEditable()) << "scale list editable";
    EXPECT_TRUE(combo("cboLandmark")->isEditable()) << "landmark list editable";
    const QString film = picture(QStringLiteral("film.jpg"), 1000, 1100);
    open(film);
    EXPECT_TRUE(dialogs.value(0).startsWith(QStringLiteral("Open Ceph Image|JPEG Files (*.jpg *.JPG")));
    EXPECT_EQ(Radiograph().size(), QSize(1000, 1100));
    // 5 cm over 200 pixels; the same point twice is refused.
    choose("cboScale", QStringLiteral("5 cm"));
    click(kForm, "cmdScale");
    for (int twice = 0; twice < 2; ++twice) clickAt(100, 100);
    EXPECT_EQ(messages, QStringList{QStringLiteral("Scale의 시작점과 끝점이 같습니다. 끝점을 다시 눌러 주세요.")});
    EXPECT_EQ(image().digitizing().ClickMode, 2);
    EXPECT_EQ(Tracing().ScaleX2, kNotPlaced);
    EXPECT_EQ(Tracing().MmPerPixel, 0);
    clickAt(100 + 50 / kMmPerPixel, 100);
    EXPECT_EQ(Tracing().ScaleLength, 50);
    EXPECT_LT(std::abs(Tracing().MmPerPixel - kMmPerPixel / 15), 1e-5) << "MmPerPixel " << Tracing().MmPerPixel;
    messages.clear();
    click(kForm, "cmdLandmark");
    for (Landmark l : kAllLandmarks) {
        auto place = [&] {
            clickAt(kSellaPx + (kSampleSheet[l].x - 70) / kMmPerPixel,
                    kSellaPy + (kSampleSheet[l].y - 90) / kMmPerPixel);
        };
        place();
        if (l != Landmark::Mx6Distal) continue;  // one step back and the landmark again
        clickAt(0, 0, Qt::RightButton);
        EXPECT_EQ(labelText(kForm, "lblLandmark"), QStringLiteral("Mx 6 Crown"));
        place();
    }
    EXPECT_EQ(labelText(kForm, "lblLandmark"), QString());
    EXPECT_TRUE(isEnabled(kForm, "cmdPreview")) << "result button enabled after the 25 landmarks";
    EXPECT_TRUE(isEnabled(kForm, "cmdScale")) << "scale button enabled after the 25 landmarks";
    // Marks are drawn in light red, and the window shows the retained drawing.
    const int sx = qRound(kSellaPx * view().Zoom), sy = qRound(kSellaPy * view().Zoom);
    EXPECT_EQ(display()->drawing().pixelColor(sx, sy), QColor(255, 0, 0));
    EXPECT_EQ(display()->grab().toImage().pixelColor(2 + sx, 2 + sy), QColor(255, 0, 0));
    // The other fit is wider than the display: it pans sideways only.
    const double zoom = view().Zoom;
    click(kForm, "cmdMagnify");
    EXPECT_GT(view().Zoom, zoom);
    click(kForm, "cmdMove");
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, 300, 200, Qt::LeftButton);
    mouse(QEvent::MouseMove, Qt::NoButton, 250, 150, Qt::LeftButton);
    EXPECT_LT(std::abs(view().ViewX - 750), 1) << "ViewX " << view().ViewX;
    EXPECT_EQ(view().ViewY, 0);
    mouse(QEvent::MouseButtonRelease, Qt::LeftButton, 250, 150);
    EXPECT_EQ(image().digitizing().ClickMode, 100);
    // Sella placed again from the list, on the same spot.
    choose("cboLandmark", QStringLiteral("Sella"));
    click(kForm, "cmdModify");
    Tracing().landmarks[Landmark::Sella].x = 1;
    clickAt(kSellaPx, kSellaPy);
    EXPECT_NEAR(Tracing().landmarks[Landmark::Sella].x, kSellaPx * 15, 15);
    EXPECT_FALSE(isEnabled(kForm, "cmdScale"));
    // A refused press changes nothing anywhere and writes no file.
    namespace fs = std::filesystem;
    Tracing().MmPerPixel /= 10;  // the film read at a tenth of its size
    click(kForm, "cmdPreview");
    EXPECT_EQ(messages,
              QStringList{QStringLiteral(
                  "Scale 설정이 정상적으로 입력되지 않았습니다. 확인하시고 [결과인쇄 보기] 단추를 다시 눌러 주세요!")});
    EXPECT_EQ(box("txtSNA"), QString());
    EXPECT_EQ(Ceph().SNA, CephRecord{}.SNA);
    EXPECT_EQ(LastTracing().measures.SNMP, 0);
    EXPECT_TRUE(isEnabled("frmCephalo", "cmdCephalo")) << "cephalometric form's evaluate button enabled";
    EXPECT_FALSE(isEnabled("frmCephalo", "cmdNext")) << "cephalometric form's next button enabled";
    EXPECT_TRUE(isVisible(kForm)) << "digitizing form visible";
    for (const char* page : {"CephAx1.png", "CephAx2.png", "CephAx3.png"})
        EXPECT_FALSE(fs::exists(file(page))) << page << " written";
    messages.clear();
    Tracing().MmPerPixel *= 10;
    QFile::remove(film);  // the picture in memory serves; its file is not read again
    click(kForm, "cmdPreview");
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    const TracingMeasures& m = LastTracing().measures;
    EXPECT_NEAR(m.SNMP, 32.23, 0.3);  // the sample face, clicked to a pixel
    // The boxes show one decimal; the record keeps the measurement itself.
    EXPECT_EQ(box("txtSNMP") + u'|' + labelText("frmCephalo", "lblPFHAFH"),
              QString::number(m.SNMP, 'f', 1) + u'|' + QString::number(m.PFHAFH, 'f', 1));
    // Each shown value in its own box or label, with one decimal.
    using TM = TracingMeasures;
    const std::pair<const char*, double TM::*> shown[] = {
        {"txtSNA", &TM::SNA},   {"txtSNB", &TM::SNB},       {"lblANB", &TM::ANB},   {"txtFA", &TM::FA},
        {"txtABMP", &TM::ABMP}, {"lblODI", &TM::ODI},       {"lblAPDI", &TM::APDI}, {"txtPFH", &TM::PFH},
        {"txtAFH", &TM::AFH},   {"lblPFHAFH", &TM::PFHAFH}, {"txtSNMP", &TM::SNMP}, {"txtFMA", &TM::FMA},
        {"txtPPMP", &TM::PPMP}, {"txtWits", &TM::Wits},     {"txtOPMP", &TM::OPMP}, {"txtUISN", &TM::UISN},
        {"txtIMPA", &TM::IMPA}, {"txtUIFP", &TM::UIFP},     {"txtLIFP", &TM::LIFP}, {"txtUL", &TM::UL},
        {"txtLL", &TM::LL},
    };
    for (const auto& [name, value] : shown) {
        const QString text = name[0] == 't' ? box(name) : labelText("frmCephalo", name);
        EXPECT_EQ(text, QString::number(m.*value, 'f', 1)) << name;
    }
    EXPECT_EQ(Ceph().IIA, m.IIA);
    EXPECT_NE(Ceph().UIFP, std::stod(box("txtUIFP").toStdString()));
    // Sum is not handed over; the evaluation ran.
    EXPECT_EQ(Ceph().Sum, 0);
    EXPECT_FALSE(Ceph().MsgCephalo.empty()) << "the evaluation's message";
    EXPECT_FALSE(isEnabled("frmCephalo", "cmdCephalo")) << "cephalometric form's evaluate button enabled";
    EXPECT_FALSE(isEnabled("frmCephalo", "cmdPreview")) << "cephalometric form's result button enabled";
    EXPECT_TRUE(isEnabled("frmCephalo", "cmdNext")) << "cephalometric form's next button enabled";
    EXPECT_EQ(State(), PreviewState::Tracing1);
    EXPECT_TRUE(isVisible("frmAxPreview")) << "preview form visible";
    EXPECT_FALSE(isVisible(kForm)) << "digitizing form visible";
    // Written page 2, page 3, page 1; page 1 is the saved image of the page shown.
    EXPECT_LT(fs::last_write_time(file("CephAx2.png")), fs::last_write_time(file("CephAx3.png")));
    EXPECT_LT(fs::last_write_time(file("CephAx3.png")), fs::last_write_time(file("CephAx1.png")));
    const QImage page1(QString::fromStdString(file("CephAx1.png")));
    EXPECT_EQ(page1, DrawSavedPage(PageProcedureFor(PreviewState::Tracing1)).convertToFormat(page1.format()));
    // Drawn with the saved page's offsets: the film's green Sella just up and left of the traced one.
    const QColor nearSella = page1.pixelColor(qRound((68.5 - 15) * 96 / 25.4), qRound((89.3 - 15) * 96 / 25.4));
    EXPECT_GT(nearSella.green(), 200) << nearSella.name().toStdString();
    EXPECT_LT(nearSella.red(), 60) << nearSella.name().toStdString();
}

// The form as laid out: title, every control's caption (or a list's entries and its text), its place in
// twips and its place in the tab order. The display is sized at load to the screen less the tool strip
// (2495) and a margin (445).
TEST_F(TracingFormTest, TheFormsTitleCaptionsPlacesAndTabOrder) {
    EXPECT_EQ(form(kForm)->windowTitle(), QStringLiteral("Veltrane"));
    const QRect screen = ScreenArea();
    constexpr const char* kLandmarkEntries =
        "Nasion|Sella|Porion|Orbitale|ANS|PNS|A Point|B Point|Pogonion|Menton|Corpus Left|Ramus Down|Articulare|"
        "Mx 1 Crown|Mx 1 Root|Mn 1 Crown|Mn 1 Root|Mx 6 Distal|Mx 6 Root|Mn 6 Distal|Mn 6 Root|Nose Tip|Upper Lip|"
        "Lower Lip|Soft Pogonion ()";
    struct Row {
        const char* name;
        const char* caption;
        int left, top, width, height;  // twips
        int tab;
    };
    const Row rows[] = {
        {"cmdOpen", "Image 열기", 360, 240, 1695, 495, 0},
        {"cmdScale", "Scale 설정", 360, 1440, 1695, 495, 1},
        {"cboScale", "2 cm|5 cm|10 cm (2 cm)", 360, 960, 1695, 345, 2},
        {"cmdLandmark", "Landmark 설정", 360, 2520, 1695, 495, 3},
        {"cmdModify", "Landmark 수정", 360, 4080, 1695, 495, 4},
        {"cboLandmark", kLandmarkEntries, 360, 3600, 1695, 345, 5},
        {"cmdMagnify", "Image 확대축소", 360, 4800, 1695, 495, 6},
        {"cmdMove", "Image 이동", 360, 5520, 1695, 495, 7},
        {"cmdPreview", "결과인쇄 보기", 360, 6240, 1695, 495, 8},
        {"cmdClose", "닫    기", 360, 6960, 1695, 495, 9},
        {"lblScale", "", 360, 2040, 1575, 255, 10},
        {"lblLandmark", "", 360, 3120, 1575, 255, 11},
        {"picCeph", "", 2520, 0, screen.width() * 15 - 2495, screen.height() * 15 - 445, 12},
    };
    std::map<int, QString> byTab;  // the controls that take focus, by their place in the tab order
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        QWidget* w = control<QWidget>(kForm, r.name);
        ASSERT_NE(w, nullptr);
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(w)) caption = b->text();
        if (auto* l = qobject_cast<QLabel*>(w)) caption = l->text();
        if (auto* c = qobject_cast<QComboBox*>(w)) {
            QStringList entries;
            for (int i = 0; i < c->count(); ++i) entries << c->itemText(i);
            caption = entries.join(u'|') + QStringLiteral(" (") + c->currentText() + u')';
        }
        EXPECT_EQ(caption, QString::fromUtf8(r.caption));
        EXPECT_EQ(w->x(), r.left / 15);
        EXPECT_EQ(w->y(), r.top / 15);
        // Within the pixel that the display's twips fall in; the others are whole pixels.
        EXPECT_NEAR(w->width(), r.width / 15.0, 1.0 - 1.0 / 15);
        EXPECT_NEAR(w->height(), r.height / 15.0, 1.0 - 1.0 / 15);
        if (!qobject_cast<QLabel*>(w)) byTab[r.tab] = QString::fromUtf8(r.name);  // a label takes no focus
    }
    QStringList tabOrder, chain;  // the controls that take focus, and the same along the form's focus chain
    for (const auto& [tab, name] : byTab) tabOrder << name;
    QWidget* first = control<QWidget>(kForm, "cmdOpen");
    QWidget* at = first;
    do {
        if (tabOrder.contains(at->objectName()) && !chain.contains(at->objectName())) chain << at->objectName();
        at = at->nextInFocusChain();
    } while (at != first);
    EXPECT_EQ(chain, tabOrder);
}

// A grey film with structure and grain, as a radiograph compresses, written as an 8-bit grey JPEG.
QString GreyFilm(const QString& path, int w, int h) {
    QImage film(w, h, QImage::Format_Grayscale8);
    std::uint32_t s = 11;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            film.scanLine(y)[x] = static_cast<uchar>(30 + x * 150 / w + ((x / 40 + y / 40) % 2) * 40 + (s >> 28));
        }
    EXPECT_TRUE(film.save(path, "JPEG", 90));
    return path;
}

// The shown display paints the film as Qt's smooth scaling of its 32-bit copy makes it, at the fit the
// film opens with and after each press of the magnify button, its corner on the drawing area's, and the
// background beside it: within two levels a channel, at every pixel.
TEST_F(TracingFormTest, TheShownFilmIsQtsSmoothScalingAtEachFit) {
    struct Film {
        const char* name;
        int width, height;
    };
    const Film films[] = {{"wide.jpg", 1800, 1400}, {"tall.jpg", 1000, 1700}};  // the second after the first
    for (const Film& f : films) {
        open(GreyFilm(home() + u'/' + QString::fromUtf8(f.name), f.width, f.height));
        const QImage film = Radiograph();
        ASSERT_EQ(film.format(), QImage::Format_Grayscale8) << f.name;
        const double widthFit = double(display()->width()) / film.width();
        const double heightFit = double(display()->height()) / film.height();
        const double fits[] = {std::min(widthFit, heightFit), std::max(widthFit, heightFit)};
        for (int press = 0; press < 3; ++press) {
            SCOPED_TRACE(::testing::Message() << f.name << " after " << press << " presses of the magnify button");
            if (press > 0) click(kForm, "cmdMagnify");
            const double zoom = fits[press % 2];
            const QRect area = display()->contentsRect();
            QImage expected(area.size(), QImage::Format_RGB32);
            expected.fill(display()->palette().color(QPalette::Button));
            QPainter(&expected).drawImage(0,
                                          0,
                                          film.convertToFormat(QImage::Format_RGB32)
                                              .scaled(qRound(film.width() * zoom),
                                                      qRound(film.height() * zoom),
                                                      Qt::IgnoreAspectRatio,
                                                      Qt::SmoothTransformation));
            const QImage shown = display()->grab().toImage().convertToFormat(QImage::Format_RGB32).copy(area);
            ASSERT_EQ(shown.size(), expected.size());
            int differing = 0, worst = 0;
            QPoint first(-1, -1);
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x) {
                    const QRgb a = shown.pixel(x, y), b = expected.pixel(x, y);
                    const int d = std::max(
                        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
                    worst = std::max(worst, d);
                    if (d > 2 && differing++ == 0) first = {x, y};
                }
            EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y() << ", by up to " << worst;
            QCoreApplication::processEvents();  // a glance: the other fit is made meanwhile
        }
    }
}

// The display's two-pixel border is no part of the picture: a press there places nothing, except that a pan
// grabs the picture wherever it is pressed.
TEST_F(TracingFormTest, APressOnTheDisplaysBorderPlacesNothing) {
    open(picture(QStringLiteral("film.jpg"), 1000, 1100));
    click(kForm, "cmdScale");
    const QSizeF size = display()->size();
    const QPointF border[] = {{0.5, 0.5}, {size.width() - 1, size.height() / 2}, {size.width() / 2, size.height() - 2}};
    for (const QPointF& at : border) {
        for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
            mouseAt(QEvent::MouseButtonPress, button, at, button);
            mouseAt(QEvent::MouseButtonRelease, button, at);
        }
        EXPECT_EQ(image().digitizing().ClickMode, 1) << at.x() << "," << at.y();
        EXPECT_EQ(Tracing().ScaleX1, kNotPlaced) << at.x() << "," << at.y();
        EXPECT_EQ(labelText(kForm, "lblScale"), QStringLiteral("시작점")) << at.x() << "," << at.y();
    }
    clickAt(0, 0);  // the picture's corner, the drawing area's first pixel
    EXPECT_EQ(image().digitizing().ClickMode, 2);
    EXPECT_EQ(Tracing().ScaleX1, 0);
    // Grabbed on the right border, the picture follows the pointer 50 pixels (750 display units) to the left.
    click(kForm, "cmdMagnify");
    click(kForm, "cmdMove");
    mouseAt(QEvent::MouseButtonPress, Qt::LeftButton, border[1], Qt::LeftButton);
    mouseAt(QEvent::MouseMove, Qt::NoButton, border[1] - QPointF(50, 0), Qt::LeftButton);
    mouseAt(QEvent::MouseButtonRelease, Qt::LeftButton, border[1] - QPointF(50, 0));
    EXPECT_NEAR(view().ViewX, 750 / view().Zoom, 1e-6);
    EXPECT_EQ(image().digitizing().ClickMode, 2);
}

// A name typed in the landmark list, with Enter or on leaving the box, stays as typed and is no choice of an
// entry; a choice on the drop-down, by arrow keys or by the mouse, is the list's click.
TEST_F(TracingFormTest, OnlyAChoiceFromTheLandmarkListIsItsClick) {
    placeAll();
    QComboBox* list = combo("cboLandmark");
    QLineEdit* edit = list->lineEdit();
    ASSERT_TRUE(list->isEnabled());
    struct Typed {
        const char* text;
        bool leave;  // leave the box instead of pressing Enter
    };
    const Typed typed[] = {
        {.text = "sella", .leave = false},
        {.text = "sella", .leave = true},
        {.text = "Sella", .leave = false},
        {.text = "ramus d", .leave = false},
        {.text = "MENTON", .leave = true},
    };
    for (const Typed& t : typed) {
        SCOPED_TRACE(::testing::Message() << t.text << (t.leave ? " and leaving the box" : " and Enter"));
        edit->clear();
        QTest::keyClicks(edit, QString::fromUtf8(t.text));
        if (t.leave) {
            QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
            QApplication::sendEvent(list, &out);
        } else {
            QTest::keyClick(edit, Qt::Key_Return);
        }
        EXPECT_EQ(edit->text(), QString::fromUtf8(t.text));
        EXPECT_EQ(list->currentIndex(), -1);
        EXPECT_FALSE(isEnabled(kForm, "cmdModify"));
    }
    // The drop-down opens on its first entry; three steps down, and Enter: the fourth entry.
    QAbstractItemView* view = list->view();
    list->showPopup();
    EXPECT_EQ(view->currentIndex().row(), 0);
    for (int step = 0; step < 3; ++step) QTest::keyClick(view, Qt::Key_Down);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(edit->text(), QStringLiteral("Orbitale"));
    click(kForm, "cmdModify");
    EXPECT_EQ(image().digitizing().ClickMode, 44);
    clickAt(400, 400);
    // With the button usable, a name typed in another case leaves the mode as it is.
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("sella"));
    click(kForm, "cmdModify");
    EXPECT_EQ(image().digitizing().ClickMode, 100);
    // The mouse on the drop-down's tenth entry.
    list->showPopup();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(9, 0)).center());
    EXPECT_EQ(edit->text(), QStringLiteral("Menton"));
    click(kForm, "cmdModify");
    EXPECT_EQ(image().digitizing().ClickMode, 50);
    // The drop-down shows every name whole: each has room beside the item's text margins.
    list->showPopup();
    const int margins = 2 * (view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    for (int row = 0; row < list->count(); ++row) {
        const int room =
            std::min(view->visualRect(view->model()->index(row, 0)).width(), view->viewport()->width()) - margins;
        EXPECT_GE(room, view->fontMetrics().horizontalAdvance(list->itemText(row)))
            << list->itemText(row).toStdString();
    }
    list->hidePopup();
}

// The open dialog starts in the home folder, then in the folder of the last radiograph that opened, for the
// next patient too; a cancel, or a file that does not open, leaves it there. A folder gone sends it home.
TEST_F(TracingFormTest, TheOpenDialogStartsWhereTheLastRadiographOpened) {
    for (const char* folder : {"films/older", "other"}) ASSERT_TRUE(QDir(home()).mkpath(QString::fromUtf8(folder)));
    const QString films = home() + QStringLiteral("/films"), older = films + QStringLiteral("/older");
    const QString first = picture(QStringLiteral("films/a.jpg"), 300, 200);
    const QString second = picture(QStringLiteral("films/older/b.BMP"), 300, 200);
    const QString notes = home() + QStringLiteral("/other/notes.jpg");
    QFile file(notes);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write("not a picture"), 13);
    struct Step {
        QString answer;  // empty: cancelled
        QString start;   // where that dialog starts
    };
    const Step steps[] = {
        {.answer = QString(), .start = home()},
        {.answer = first, .start = home()},
        {.answer = notes, .start = films},
        {.answer = QString(), .start = films},
        {.answer = home() + QStringLiteral("/other/missing.jpg"), .start = films},
        {.answer = second, .start = films},
        {.answer = QString(), .start = older},
    };
    for (const Step& step : steps) {
        starts.clear();
        open(step.answer);
        EXPECT_EQ(starts, QStringList{step.start}) << "opening " << step.answer.toStdString();
    }
    // The next patient's form starts where this one's last radiograph opened.
    click("frmCephalo", "cmdNextPatient");
    startPatient(QStringLiteral("Lee"), QStringLiteral("8"), QStringLiteral("12"), QStringLiteral("0"), 1);
    Forms::Show("frmCephalo");
    click("frmCephalo", "cmdImage");
    starts.clear();
    open(QString());
    EXPECT_EQ(starts, QStringList{older});
    ASSERT_TRUE(QDir(older).removeRecursively());
    starts.clear();
    open(QString());
    EXPECT_EQ(starts, QStringList{home()});
}

// Unreadable files change nothing; a mark past the picture's edge leaves no ghost when its point goes.
TEST_F(TracingFormTest, UnreadableFilesAndMarksPastThePicturesEdge) {
    open(picture(QStringLiteral("ceph.BMP"), 400, 300));  // upper-case ending
    ASSERT_EQ(Radiograph().size(), QSize(400, 300));
    open(picture(QStringLiteral("narrow.gif"), 200, 600));  // fills the height, not the width
    auto redPastEdge = [&] {                                // right of the picture's edge, around the mark's row
        int red = 0;
        const int edge = qRound(200 * view().Zoom), row = qRound(100 * view().Zoom);
        for (int x = edge + 1; x <= edge + 3; ++x)
            for (int y = row - 4; y <= row + 4; ++y) red += display()->drawing().pixelColor(x, y) == QColor(255, 0, 0);
        return red;
    };
    click(kForm, "cmdScale");
    clickAt(199, 100);
    EXPECT_GT(redPastEdge(), 0);
    const QImage before = display()->drawing();
    QStringList names = {QString(),
                         home() + QStringLiteral("/notes.jpg"),
                         home() + QStringLiteral("/empty.bmp"),
                         home() + QStringLiteral("/missing.jpg")};
    for (auto [name, bytes] : {std::pair{names[1], "not a picture"}, {names[2], ""}}) {
        QFile file(name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        ASSERT_GE(file.write(bytes), 0) << name.toStdString();
    }
    // Pictures the decoder reads only in part: cut short (to `keep` bytes), or whole with a stray
    // end-of-image marker in the middle of the coded data.
    auto partly = [&](const QString& name, qsizetype keep) {
        QFile whole(picture(QStringLiteral("whole-") + name, 1000, 1100));
        EXPECT_TRUE(whole.open(QIODevice::ReadOnly));
        QByteArray bytes = whole.readAll();
        EXPECT_GT(bytes.size(), keep) << name.toStdString();
        if (keep) bytes.truncate(keep);
        if (!keep) bytes.replace(bytes.size() / 2, 2, "\xff\xd9");
        QFile file(home() + u'/' + name);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        EXPECT_EQ(file.write(bytes), bytes.size()) << name.toStdString();
        return file.fileName();
    };
    names << partly(QStringLiteral("cut.jpg"), 3000) << partly(QStringLiteral("cut.gif"), 1000)
          << partly(QStringLiteral("cut.BMP"), 3000000) << partly(QStringLiteral("corrupt.jpg"), 0);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        messages.clear();
        open(name);
        EXPECT_EQ(messages,
                  name.isEmpty() ? QStringList() : QStringList{QStringLiteral("그림 파일을 열 수 없습니다: ") + name});
        EXPECT_EQ(Radiograph().size(), QSize(200, 600));
        EXPECT_EQ(image().digitizing().ClickMode, 2);
        EXPECT_NEAR(Tracing().ScaleX1, 199 * 15, 15);
        EXPECT_EQ(display()->drawing(), before);
    }

    clickAt(20, 500);          // the end point; the start stays
    click(kForm, "cmdScale");  // the scale again: its points go at the next repaint
    clickAt(20, 20);
    EXPECT_EQ(redPastEdge(), 0);
    // Overflow in the geometry shows under the procedure's own name.
    QStringList titled;
    CurrentSeams().message = [&](const QString& title, const QString& text) { titled << title + u'|' + text; };
    EXPECT_EQ(LineCrossX(0, 0, 1e-300, 1e300, 0, 1, 1, 1), 0);
    EXPECT_EQ(titled, QStringList{QStringLiteral("LineCrossX|Error: 6. Overflow")});
    click(kForm, "cmdClose");
    EXPECT_TRUE(isVisible("frmCephalo")) << "cephalometric form visible";
    EXPECT_FALSE(isVisible(kForm)) << "digitizing form visible";
}

}  // namespace
}  // namespace vt::testing
