// The printed sheet, read back from the PDF that printing to a file writes:
// every line lands at its millimetres from the sheet's top-left corner.
#include "platform/Printer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <vector>

namespace vt {
namespace {

struct LineMm {
    double x1, y1, x2, y2;
};

// Qt compresses each content stream with zlib; qUncompress wants a size
// hint in front and grows past it as needed.
QByteArray Inflate(const QByteArray& deflated) {
    return qUncompress(QByteArray("\x00\x01\x00\x00", 4) + deflated);
}

// The straight lines ("x y m x y l") of every page stream, through the
// page's transform ("a b c d e f cm") into millimetres from the top edge of
// the media box.
std::vector<LineMm> PrintedLines(const QByteArray& pdf) {
    std::vector<LineMm> lines;
    const QRegularExpression media(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])"));
    const auto box = media.match(QString::fromLatin1(pdf));
    if (!box.hasMatch()) return lines;
    const double topPt = box.captured(2).toDouble();
    const QString n = QStringLiteral(R"((-?[\d.]+))");
    const QRegularExpression cm(QStringList(6, n).join(u' ') + QStringLiteral(" cm"));
    const QRegularExpression segment(n + u' ' + n + QStringLiteral(" m\\s+") + n + u' ' + n + QStringLiteral(" l"));
    constexpr double kMmPerPt = 25.4 / 72;
    for (qsizetype at = 0; (at = pdf.indexOf("stream\n", at)) >= 0;) {
        const qsizetype end = pdf.indexOf("endstream", at);
        const QString content = QString::fromLatin1(Inflate(pdf.mid(at + 7, end - at - 7)));
        at = end;
        const auto m = cm.match(content);
        if (!m.hasMatch()) continue;
        const double a = m.captured(1).toDouble(), d = m.captured(4).toDouble();
        const double e = m.captured(5).toDouble(), f = m.captured(6).toDouble();
        for (auto it = segment.globalMatch(content, m.capturedEnd()); it.hasNext();) {
            const auto s = it.next();
            const auto x = [&](int i) { return (a * s.captured(i).toDouble() + e) * kMmPerPt; };
            const auto y = [&](int i) { return (topPt - (d * s.captured(i).toDouble() + f)) * kMmPerPt; };
            lines.push_back({x(1), y(2), x(3), y(4)});
        }
    }
    return lines;
}

TEST(Printer, LinesLandAtTheirMillimetresOnThePrintedSheet) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    SetPrintToFile(pdf);
    const LineMm drawn[] = {{10, 275, 190, 275}, {190, 20, 190, 275}, {0.5, 1, 209.5, 296}};
    ASSERT_TRUE(PrintPage([&](ResultSurface& s) {
        for (const LineMm& l : drawn) s.line(l.x1, l.y1, l.x2, l.y2, 9);
    }));
    SetPrintToFile({});
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::vector<LineMm> printed = PrintedLines(file.readAll());
    ASSERT_EQ(printed.size(), std::size(drawn));
    for (std::size_t i = 0; i < printed.size(); ++i) {
        EXPECT_NEAR(printed[i].x1, drawn[i].x1, 0.01) << i;
        EXPECT_NEAR(printed[i].y1, drawn[i].y1, 0.01) << i;
        EXPECT_NEAR(printed[i].x2, drawn[i].x2, 0.01) << i;
        EXPECT_NEAR(printed[i].y2, drawn[i].y2, 0.01) << i;
    }
}

TEST(Printer, AJobThatCannotBeWrittenFails) {
    QTemporaryDir dir;
    SetPrintToFile(dir.filePath(QStringLiteral("missing/sheet.pdf")));
    EXPECT_FALSE(PrintPage([](ResultSurface& s) { s.line(10, 10, 20, 20, 0); }));
    SetPrintToFile({});
}

}  // namespace
}  // namespace vt
