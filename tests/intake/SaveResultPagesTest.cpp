// The save operation of every analysis run: each page that could not be
// written is named in one message, also when the image library fails to start.

#include <QDir>
#include <QFileInfo>

#include "intake/SaveResultPages.h"
#include "platform/ImageWriter.h"
#include "support/ProgramFixture.h"

namespace vt::testing {
namespace {

class SaveResultPagesTest : public ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        startPatient("Kim", "7", "12", "0");
    }
    QString path(const char* name) const { return patientFolder(QStringLiteral("7(12Y0M)/") + name); }
    int drawn = 0;
};

TEST_F(SaveResultPagesTest, NamesEveryPageNotWrittenInOneMessage) {
    const struct { bool library; const char* blocked; const char* unwritten; } rows[] = {
        {true, "", ""}, {true, "B.png", "B"}, {false, "", "ABC"}};
    for (const auto& row : rows) {
        QDir(path("")).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(path("")));
        if (*row.blocked) {
            ASSERT_TRUE(QDir().mkdir(path(row.blocked)));  // a folder in the file's way
        }
        SetImageLibraryAvailable(row.library);
        messages.clear();
        drawn = 0;
        const PageProcedure page = [this](ResultSurface&) { ++drawn; };
        EXPECT_EQ(SaveResultPages({{page, "A.png"}, {page, "B.png"}, {page, "C.png"}}), !*row.unwritten);
        ASSERT_EQ(messages.size(), *row.unwritten ? 1 : 0) << row.blocked;
        EXPECT_EQ(drawn, row.library ? 3 : 0);
        for (const char* name : {"A", "B", "C"}) {
            const QString file = path(name) + QStringLiteral(".png");
            const bool unwritten = std::string_view(row.unwritten).find(*name) != std::string_view::npos;
            EXPECT_EQ(QFileInfo(file).isFile(), !unwritten) << name;
            if (!messages.isEmpty()) {
                EXPECT_EQ(messages[0].contains(file), unwritten) << name;
            }
        }
    }
}

}  // namespace
}  // namespace vt::testing
