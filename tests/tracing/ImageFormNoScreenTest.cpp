// The digitizing form loads when no screen is attached. The test runs a copy of this test program on the
// offscreen platform configured without screens; only there is the test that loads the form registered.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>

#include "tracing/ImageForm.h"

namespace vt {
namespace {

constexpr char kChildVariable[] = "VELTRANE_TEST_WITHOUT_SCREEN";

// In the copy without a screen: the form takes its design size, the display its design 9735 x 9015 twips.
class LoadsWithoutScreen : public ::testing::Test {
    void TestBody() override {
        ASSERT_EQ(QGuiApplication::primaryScreen(), nullptr);
        ImageForm& form = Forms::Get<ImageForm>();
        EXPECT_EQ(form.size(), QSize(815, 630));
        const QWidget* display = form.findChild<QWidget*>(QStringLiteral("picCeph"));
        ASSERT_NE(display, nullptr);
        EXPECT_EQ(display->size(), QSize(649, 601));
        Forms::UnloadAll();
    }
};

const bool kInCopyWithoutScreen = [] {
    if (!qEnvironmentVariableIsSet(kChildVariable)) return false;
    ::testing::RegisterTest("ImageFormWithoutScreen", "Loads", nullptr, nullptr, __FILE__, __LINE__, [] {
        return static_cast<::testing::Test*>(new LoadsWithoutScreen);
    });
    return true;
}();

TEST(ImageForm, LoadsWithoutAScreenAtItsDesignSize) {
    ASSERT_FALSE(kInCopyWithoutScreen);
    QTemporaryDir folder;
    const QString config = folder.filePath(QStringLiteral("no-screens.json"));
    QFile file(config);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_GT(file.write(R"({"screens": []})"), 0);
    file.close();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config);
    environment.insert(QString::fromLatin1(kChildVariable), QStringLiteral("1"));
    QProcess copy;
    copy.setProcessEnvironment(environment);
    copy.setProcessChannelMode(QProcess::MergedChannels);
    copy.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--gtest_filter=ImageFormWithoutScreen.*")});
    ASSERT_TRUE(copy.waitForFinished(-1));
    const std::string output = copy.readAll().toStdString();
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit) << output;
    EXPECT_EQ(copy.exitCode(), 0) << output;
    EXPECT_NE(output.find("[       OK ] ImageFormWithoutScreen.Loads"), std::string::npos) << output;
}

}  // namespace
}  // namespace vt
