// The real save dialog: it opens in the patient folder with the page's file
// name, saves there, and leaves no settings file behind.

#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QTimer>

#include "intake/PreviewForm.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

class SaveDialogTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        oldXdg_ = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", (home() + QStringLiteral("/xdg-config")).toLocal8Bit());
    }
    void TearDown() override {
        qputenv("XDG_CONFIG_HOME", oldXdg_);
        ProgramTest::TearDown();
    }
    // Answers the dialog as the clinician would, once it is up.
    void answerDialog(bool accept) {
        QTimer::singleShot(0, [this, accept] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            shownFolder = dialog->directory().absolutePath();
            shownFiles = dialog->selectedFiles();
            QDialog* asked = dialog;  // accept() is public on the base
            accept ? asked->accept() : asked->reject();
        });
    }
    // Files anywhere under the configuration folders a settings file could go to.
    QStringList configFiles() const {
        QStringList found;
        for (const QString& folder : {home() + QStringLiteral("/.config"), home() + QStringLiteral("/xdg-config")})
            for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
                found << it.next();
        return found;
    }
    QString shownFolder;
    QStringList shownFiles;

private:
    QByteArray oldXdg_;
};

TEST_F(SaveDialogTest, OpensInThePatientFolderSavesThereAndWritesNoSettings) {
    startPatient(QStringLiteral("Lee"), QStringLiteral("77"), QStringLiteral("12"), QStringLiteral("0"));
    const QString folder = patientFolder(QStringLiteral("77(12Y0M)"));
    Forms::Get<PreviewForm>().open(PreviewState::Tracing3);
    answerDialog(false);
    click("frmAxPreview", "cmdSave");
    EXPECT_EQ(shownFolder, folder);
    EXPECT_EQ(shownFiles, QStringList{folder + QStringLiteral("/CephAx3.png")});
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("/CephAx3.png")));
    answerDialog(true);
    click("frmAxPreview", "cmdSave");
    EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/CephAx3.png")).size() > 0);
    EXPECT_TRUE(messages.isEmpty());
    EXPECT_TRUE(configFiles().isEmpty()) << configFiles().join(u' ').toStdString();
    // Where Qt's dialog would keep its history: nothing there either.
    EXPECT_FALSE(QFileInfo::exists(QSettings(QSettings::UserScope, QStringLiteral("QtProject")).fileName()));
}

}  // namespace
}  // namespace vt::testing
