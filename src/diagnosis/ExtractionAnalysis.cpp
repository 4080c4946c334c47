#include "diagnosis/ExtractionAnalysis.h"

#include <algorithm>
#include <limits>

#include "ceph/RuleLadder.h"
#include "platform/NumberText.h"

namespace vt {

namespace {

constexpr const char* kJarabakExt = "              (ext)";
constexpr const char* kJarabakNonExt = "          (non-ext)";
constexpr const char* kJarabakBorder = "      (border-line)";
constexpr const char* kKimsExt = "                                                        (ext)";
constexpr const char* kKimsNonExt = "                                                    (non-ext)";
constexpr const char* kKimsBorder = "                                                (border-line)";
static_assert(std::string_view(kJarabakExt).size() == kJarabakVerdictLength);
static_assert(std::string_view(kJarabakNonExt).size() == kJarabakVerdictLength);
static_assert(std::string_view(kJarabakBorder).size() == kJarabakVerdictLength);
static_assert(std::string_view(kKimsExt).size() == kKimsVerdictLength);
static_assert(std::string_view(kKimsNonExt).size() == kKimsVerdictLength);
static_assert(std::string_view(kKimsBorder).size() == kKimsVerdictLength);

// A high Jarabak value speaks for extraction, a high Kim's index against it.
constexpr SentenceRung kJarabakRungs[] = {{Cmp::Above, 7, kJarabakExt}, {Cmp::Below, 5, kJarabakNonExt}};
constexpr SentenceLadder kJarabakVerdict{kJarabakRungs, kJarabakBorder};
constexpr SentenceRung kKimsRungs[] = {{Cmp::Below, 150, kKimsExt}, {Cmp::Above, 155, kKimsNonExt}};
constexpr SentenceLadder kKimsVerdict{kKimsRungs, kKimsBorder};

std::string F(double v) { return FormatNumber(v, "#0.0"); }

}  // namespace

std::optional<double> ReadFinding(std::string_view text) {
    const NumberRead read = ReadNumber(text);
    if (read.overflow) return std::nullopt;
    return read.value;
}

bool ArchEntriesValid(double aldMx, double aldMn, double cos) {
    return aldMx > -30 && aldMx < 30 && aldMn > -30 && aldMn < 30 && cos > -5 && cos < 10;
}

double LifpForExtraction(double lifp) { return lifp < 5 ? 5.0 : lifp; }

double JarabakValue(double aldMn, double cos, double lifp) { return (aldMn / 2 + cos / 2 + lifp) - 5; }

double KimIndex(const CephRecord& c) { return c.ODI + c.APDI - (125 - c.IIA) / 5 - (c.UL + c.LL); }

std::string KimEIText(double ei) { return NumberToText(ei); }

double KimEIValue(std::string_view kimEI) { return ReadNumber(kimEI).value; }

const char* JarabakVerdict(double jarabakVal) { return PickSentence(kJarabakVerdict, jarabakVal); }

const char* KimsVerdict(double ei) { return PickSentence(kKimsVerdict, ei); }

std::string JarabakLine(double aldMn, double cos, double lifp, double jarabakVal) {
    std::string line = " ";
    for (const std::string& piece :
         {F(aldMn), std::string("/2 + "), F(cos), std::string("/2 + ("), F(lifp), std::string("-5) = "), F(jarabakVal)})
        line += piece;
    return line + JarabakVerdict(jarabakVal);
}

std::string KimsLine(const CephRecord& c, std::string_view kimEI) {
    const double ei = KimEIValue(kimEI);
    std::string line = " ";
    for (const std::string& piece : {F(c.ODI),
                                     std::string(" + "),
                                     F(c.APDI),
                                     std::string(" - (125-"),
                                     F(c.IIA),
                                     std::string(")/5 - ("),
                                     F(c.UL),
                                     std::string("+"),
                                     F(c.LL),
                                     std::string(") = "),
                                     F(ei)})
        line += piece;
    return line + KimsVerdict(ei);
}

void ComputeExtraction(FindingsRecord& r, const CephRecord& ceph) {
    const double lifp = LifpForExtraction(ceph.LIFP);
    r.JarabakVal = JarabakValue(r.ALDMn, r.COS, lifp);
    r.KimEI = KimEIText(KimIndex(ceph));
    r.JarabakText = JarabakLine(r.ALDMn, r.COS, lifp, r.JarabakVal);
    r.KimsText = KimsLine(ceph, r.KimEI);
}

std::optional<FindingsRecord> RunExtraction(FindingsRecord r, const FindingsEntries& entries, const CephRecord& ceph) {
    const std::optional<double> aldMx = ReadFinding(entries.ALDMx), aldMn = ReadFinding(entries.ALDMn),
                                cos = ReadFinding(entries.COS);
    if (!aldMx || !aldMn || !cos || !ArchEntriesValid(*aldMx, *aldMn, *cos)) return std::nullopt;
    r.ALDMx = *aldMx;
    r.ALDMn = *aldMn;
    r.COS = *cos;
    r.ValidExt = true;
    ComputeExtraction(r, ceph);
    r.DxText.clear();
    return r;
}

}  // namespace vt
