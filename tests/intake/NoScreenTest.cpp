// A program started with no screen attached: the forms that size themselves to the screen still
// load, at a fallback size. The suite runs this once more under an offscreen platform configured
// with no screen (CMakeLists.txt); with a screen it is skipped. Qt itself cannot show a window
// without a screen, so nothing is shown.
#include <gtest/gtest.h>
#include <QGuiApplication>

#include "intake/PreviewForm.h"
#include "platform/Seams.h"
#include "support/ProgramSeams.h"
#include "tracing/ImageForm.h"

namespace vt::testing {
namespace {

TEST(NoScreen, TheFormsSizedToTheScreenLoadAtAFallbackSize) {
    if (!QGuiApplication::screens().isEmpty()) GTEST_SKIP() << "a screen is attached";
    SeamsGuard seams;
    EXPECT_EQ(Forms::Get<PreviewForm>().size(), QSize(1024, 768));
    EXPECT_EQ(Forms::Get<ImageForm>().size(), QSize(1024, 768));
    UnloadProgram();
}

}  // namespace
}  // namespace vt::testing
