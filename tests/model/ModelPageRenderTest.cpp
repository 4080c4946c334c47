// Renders the model page to an image for looking at by eye; disabled in
// ordinary runs. Run with --gtest_also_run_disabled_tests; the image goes
// to $VELTRANE_RENDER_DIR (default: the temporary folder).
#include <QDir>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "intake/PatientRecord.h"
#include "model/ModelAnalysis.h"
#include "model/ModelPage.h"
#include "platform/PainterSurface.h"

namespace vt {
namespace {

TEST(ModelPageRender, DISABLED_WritesModelPageImage) {
    ModelEntries e;
    e.size = {"8.6", "7.1", "8.1", "7.4", "6.9", "10.4", "5.4", "6.1", "7.2", "7.2", "7.1", "11.4"};
    e.UBAW = "46.5";
    e.LBAW = "40";
    ModelRun run = RunModelAnalysis(ModelRecord{}, e);
    ASSERT_TRUE(run.accepted);
    run.record.ExtChoice = static_cast<std::int16_t>(qEnvironmentVariableIntValue("VELTRANE_EXT"));
    if (qEnvironmentVariableIsSet("VELTRANE_ARCH"))
        run.record.ArchForm = static_cast<std::int16_t>(qEnvironmentVariableIntValue("VELTRANE_ARCH"));
    PatientRecord p{"홍길동", "A-17", 0, 12.5, 3};

    const double pxPerMm = 12;
    QImage image(int(210 * pxPerMm), int(297 * pxPerMm), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterSurface surface(painter, 0, 0, pxPerMm);
    ModelAx(surface, run.record, p);
    painter.end();
    const QString dir = qEnvironmentVariable("VELTRANE_RENDER_DIR", QDir::tempPath());
    EXPECT_TRUE(image.save(dir + "/ModelAxRender.png"));
    // Close-ups: the tables, and the set-ups at full resolution.
    EXPECT_TRUE(image.copy(0, 0, 2520, 1920).scaled(1260, 960).save(dir + "/ModelAxTables.png"));
    EXPECT_TRUE(image.copy(300, 1940, 1300, 700).save(dir + "/ModelAxSetup1.png"));
    EXPECT_TRUE(image.copy(1300, 2580, 1300, 700).save(dir + "/ModelAxSetup4.png"));
    EXPECT_TRUE(image.copy(70 * 12, 174 * 12, 25 * 12, 42 * 12).scaled(600, 1008).save(dir + "/ModelAxIncisors.png"));
}

}  // namespace
}  // namespace vt

#include "model/ToothOutlines.h"

namespace vt {
namespace {

// All twelve outlines side by side at their nominal sizes, large.
TEST(ModelPageRender, DISABLED_WritesToothOutlineSheet) {
    const double pxPerMm = 20;
    QImage image(int(140 * pxPerMm), int(50 * pxPerMm), QImage::Format_RGB32);
    image.fill(QColor(220, 220, 220));
    QPainter painter(&image);
    PainterSurface surface(painter, 0, 0, pxPerMm);
    double x = 2;
    for (ToothPic id : kAllToothPics) {
        const Picture& pic = ToothOutline(id);
        const double y = IsUpper(id) ? 2 : 26;
        surface.paintPicture(pic, SheetRect{x, y, pic.widthMm(), pic.heightMm()}, std::nullopt);
        x += pic.widthMm() + 1;
        if (id == ToothPic::Mx7) x = 2;
    }
    painter.end();
    const QString dir = qEnvironmentVariable("VELTRANE_RENDER_DIR", QDir::tempPath());
    EXPECT_TRUE(image.save(dir + "/ToothOutlines.png"));
}

}  // namespace
}  // namespace vt

#include "model/ModelForm.h"

namespace vt {
namespace {

// The model form as laid out, for looking at by eye.
TEST(ModelPageRender, DISABLED_WritesModelFormImage) {
    ModelForm form;
    form.Form_Load();
    const QString dir = qEnvironmentVariable("VELTRANE_RENDER_DIR", QDir::tempPath());
    EXPECT_TRUE(form.grab().save(dir + "/ModelForm.png"));
}

}  // namespace
}  // namespace vt
