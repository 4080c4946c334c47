// The patient folder and the result files in it.
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include "intake/FormNames.h"
#include "intake/NextPatient.h"
#include "intake/SaveResultPages.h"
#include "platform/ImageWriter.h"
#include "platform/PageImage.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

class PatientFolderTest : public ProgramTest {
protected:
    QStringList savedFiles() const {  // relative to the home folder
        QStringList found;
        for (QDirIterator it(home(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories); it.hasNext();)
            found << QDir(home()).relativeFilePath(it.next());
        return found;
    }
    // Saves pages of these file names, each drawn by a page that counts its drawings.
    bool save(std::vector<const char*> names) {
        constexpr PreviewState kStates[] = {PreviewState::ModelPage, PreviewState::CephPage, PreviewState::Tracing1};
        for (std::size_t i = 0; i < names.size(); ++i)
            RegisterResultPage({kStates[i], [this](ResultSurface&) { ++drawn; }, names[i], FormName::Model});
        switch (names.size()) {
            case 1: return SaveResultPages({kStates[0]});
            default: return SaveResultPages({kStates[0], kStates[1], kStates[2]});
        }
    }
    int drawn = 0;
};

TEST_F(PatientFolderTest, EveryChartNumberPutsItsFolderDirectlyInPatientData) {
    const QString longest = QString(82, u'환') + QStringLiteral("ab");  // 255 bytes with "(12Y0M)"
    for (const QString& chart : QStringList{":", ":1", "~", "~root", "-rf", "...", " 7 ", " ", "$HOME", longest}) {
        const QString folder = chart + QStringLiteral("(12Y0M)");
        startPatient("Lee", chart, "12", "0");
        EXPECT_EQ(messages, QStringList()) << chart.toStdString();
        if (messages.isEmpty()) {  // pages are saved only for a patient the start form took
            EXPECT_TRUE(save({"CephAx.png"})) << chart.toStdString() << ": CephAx.png saved";
        }
        EXPECT_EQ(savedFiles(), QStringList{QStringLiteral("Patient Data/") + folder + QStringLiteral("/CephAx.png")});
        ASSERT_TRUE(QDir(patientFolder(folder)).removeRecursively()) << chart.toStdString();
        messages.clear();
        NextPatient();
    }
    EXPECT_EQ((longest + QStringLiteral("(12Y0M)")).toUtf8().size(), 255);
}

TEST_F(PatientFolderTest, AFolderNameOf256BytesIsRefusedWithTheFolderMessage) {
    const QString chart(249, u'7');
    startPatient("Lee", chart, "12", "0");
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith(QStringLiteral("환자 폴더를 만들 수 없습니다"))) << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(chart + QStringLiteral("(12Y0M)"))) << "message names the folder";
    EXPECT_TRUE(isVisible("frmModel"));  // the clinician can go on
    messages.clear();
    EXPECT_FALSE(save({"CephAx.png"}));
    EXPECT_EQ(messages.size(), 1) << messages.join(u'|').toStdString();
    EXPECT_TRUE(messages.value(0).contains(QStringLiteral("CephAx.png")))
        << "message names the page: " << messages.value(0).toStdString();
    EXPECT_EQ(savedFiles(), QStringList()) << "files written without a folder";
}

TEST_F(PatientFolderTest, NamesEveryPageNotWrittenInOneMessage) {
    startPatient("Kim", "7", "12", "0");
    const QString folder = patientFolder(QStringLiteral("7(12Y0M)/"));
    // Folders in the way of some pages, or images that cannot be encoded.
    for (const auto& [library, blocked] : {std::pair{true, ""}, {true, "AC"}, {false, ""}}) {
        const std::string_view unwritten = library ? blocked : "ABC";
        ASSERT_TRUE(QDir(folder).removeRecursively()) << "emptying the folder, blocked: " << blocked;
        ASSERT_TRUE(QDir().mkpath(folder)) << "making the folder, blocked: " << blocked;
        for (const char* letter = blocked; *letter; ++letter)
            ASSERT_TRUE(QDir().mkdir(folder + *letter + QStringLiteral(".png")));
        CurrentSeams().imageEncodingFails = !library;
        messages.clear();
        drawn = 0;
        const bool saved = save({"A.png", "B.png", "C.png"});
        ASSERT_EQ(std::tuple(saved, messages.size(), drawn),
                  std::tuple(unwritten.empty(), unwritten.empty() ? 0 : 1, 3))
            << blocked;
        for (const char name : {'A', 'B', 'C'}) {
            const QString file = folder + name + QStringLiteral(".png");
            const bool notWritten = unwritten.find(name) != std::string_view::npos;
            EXPECT_EQ(std::pair(QFileInfo(file).isFile(), !messages.isEmpty() && messages[0].contains(file)),
                      std::pair(!notWritten, notWritten))
                << name;
        }
    }
}

// Each passing run writes the page of its own values over the last one; the other pages stay.
TEST_F(PatientFolderTest, EveryCephalometricRunReplacesItsPageAndLeavesTheOthers) {
    startPatient("Park", "55", "12.5", "3", 1);
    const QString folder = patientFolder(QStringLiteral("55(12.5Y3M)/"));
    QFile model(folder + QStringLiteral("ModelAx.png"));
    ASSERT_TRUE(model.open(QIODevice::WriteOnly)) << "ModelAx.png";
    ASSERT_EQ(model.write("earlier page"), 12) << "ModelAx.png";
    model.close();
    Forms::Hide(FormName::Model);
    Forms::Show(FormName::Cephalo);
    for (const QString& entry :
         QStringLiteral("txtSNA=80 txtSNB=82 txtFA=88 txtABMP=70 txtPFH=80 txtAFH=120 txtSNMP=32 txtFMA=25 txtPPMP=25 "
                        "txtOPMP=15 txtWits=-1 txtUISN=105 txtIMPA=95 txtUIFP=7.5 txtLIFP=4 txtUL=-1.5 txtLL=0.5")
             .split(' '))
        type(FormName::Cephalo, entry.section('=', 0, 0).toUtf8().constData(), entry.section('=', 1));
    QImage earlier;
    for (const char* snb : {"82", "80.04"}) {  // ANB -2.0, then -0.04 shown as 0.0
        type(FormName::Cephalo, "txtSNB", QString::fromUtf8(snb));
        click(FormName::Cephalo, "cmdCephalo");
        const QImage saved = QImage(folder + QStringLiteral("CephAx.png")).convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(saved, DrawSavedPage(PageProcedureFor(PreviewState::CephPage))) << "SNB " << snb;
        EXPECT_NE(saved, earlier) << "SNB " << snb;
        earlier = saved;
    }
    EXPECT_EQ(std::pair(messages, labelText(FormName::Cephalo, "lblANB")), std::pair(QStringList(), QString("0.0")));
    const QImage file(folder + QStringLiteral("CephAx.png"));  // 180 x 267 mm at 96 dots per inch
    EXPECT_EQ(std::tuple(file.width(), file.height(), file.dotsPerMeterX(), file.dotsPerMeterY()),
              std::tuple(680, 1009, 3780, 3780));
    ASSERT_TRUE(model.open(QIODevice::ReadOnly));
    EXPECT_EQ(model.readAll(), QByteArray("earlier page"));
}

}  // namespace
}  // namespace vt::testing
