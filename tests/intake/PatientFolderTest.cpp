// Odd chart numbers: the patient folder is always a direct child of
// "Patient Data" and the result files land in it, or the folder message says
// that it could not be made.

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

#include "intake/NextPatient.h"
#include "intake/SaveResultPages.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

class PatientFolderTest : public ProgramTest {
protected:
    // Every CephAx.png under the home folder, relative to it.
    QStringList savedPages() const {
        QStringList found;
        for (QDirIterator it(home(), {QStringLiteral("CephAx.png")}, QDir::Files | QDir::Hidden,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            found << QDir(home()).relativeFilePath(it.next());
        return found;
    }
    bool saveAPage() {
        return SaveResultPages({{[](ResultSurface& s) { s.line(20, 20, 190, 20, 9); }, "CephAx.png"}});
    }
};

TEST_F(PatientFolderTest, EveryChartNumberPutsItsFolderDirectlyInPatientData) {
    QString longest;  // 255 bytes with "(12Y0M)", in three-byte letters
    for (int i = 0; i < 82; ++i) longest += QStringLiteral("환");
    longest += QStringLiteral("ab");
    const QString rows[] = {QStringLiteral(":"),   QStringLiteral(":1"),  QStringLiteral("::"),
                            QStringLiteral(":abc"), QStringLiteral("~"),   QStringLiteral("~root"),
                            QStringLiteral("-"),   QStringLiteral("-rf"), QStringLiteral(".x"),
                            QStringLiteral("..."), QStringLiteral(" 7"),  QStringLiteral("7  "),
                            QStringLiteral(" "),   QStringLiteral("$HOME"), longest};
    const QString root = home() + QStringLiteral("/Patient Data");
    for (const QString& chart : rows) {
        const QString folder = chart + QStringLiteral("(12Y0M)");
        const QString inProgramFolder = QDir::current().filePath(QStringLiteral("./") + folder);
        const bool wasThere = QFileInfo::exists(inProgramFolder);
        startPatient(QStringLiteral("Lee"), chart, QStringLiteral("12"), QStringLiteral("0"));
        EXPECT_TRUE(messages.isEmpty()) << chart.toStdString();
        EXPECT_TRUE(QFileInfo(root + u'/' + folder).isDir()) << chart.toStdString();
        EXPECT_TRUE(saveAPage()) << chart.toStdString();
        EXPECT_EQ(savedPages(), QStringList{QStringLiteral("Patient Data/") + folder + QStringLiteral("/CephAx.png")})
            << chart.toStdString();
        EXPECT_TRUE(wasThere || !QFileInfo::exists(inProgramFolder)) << chart.toStdString();
        ASSERT_TRUE(QDir(root + u'/' + folder).removeRecursively()) << chart.toStdString();
        messages.clear();
        NextPatient();
    }
    EXPECT_EQ(QFileInfo(root + u'/' + longest + QStringLiteral("(12Y0M)")).fileName().toUtf8().size(), 255);
}

TEST_F(PatientFolderTest, AFolderNameOf256BytesIsRefusedWithTheFolderMessage) {
    const QString chart(249, u'7');
    startPatient(QStringLiteral("Lee"), chart, QStringLiteral("12"), QStringLiteral("0"));
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("환자 폴더를 만들 수 없습니다")));
    EXPECT_TRUE(messages[0].contains(chart + QStringLiteral("(12Y0M)")));
    EXPECT_TRUE(QDir(home() + QStringLiteral("/Patient Data")).isEmpty());
    messages.clear();
    EXPECT_FALSE(saveAPage());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].contains(QStringLiteral("CephAx.png")));
    EXPECT_TRUE(savedPages().isEmpty());
}

}  // namespace
}  // namespace vt::testing
