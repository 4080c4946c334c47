#pragma once
// The extraction analyses: the Jarabak value, a space balance in
// millimetres, and Kim's index, a dimensionless extraction index, each with
// its formula line and verdict. Run alone by "발치 분석" and as the first
// step of every diagnosis run.

#include <optional>
#include <string>
#include <string_view>

#include "ceph/CephRecord.h"
#include "diagnosis/FindingsRecord.h"

namespace vt {

// Verdicts right-align their word in a fixed length.
inline constexpr std::size_t kJarabakVerdictLength = 19;
inline constexpr std::size_t kKimsVerdictLength = 61;

inline constexpr const char* kExtRefused =
    "수치가 정상적으로 입력되지 않았습니다. 확인하시고 [발치 분석] 단추를 다시 눌러 주세요!";

// A box's number; empty when it lies beyond a double's range, which is
// refused like an entry out of range. Text that is no number reads 0.
std::optional<double> ReadFinding(std::string_view text);

// -30 < ALDMx < 30, -30 < ALDMn < 30 and -5 < COS < 10.
bool ArchEntriesValid(double aldMx, double aldMn, double cos);

// The lower incisor position the analyses use: LIFP, but at least 5. The
// cephalometric record itself is never changed, so a diagnosis does not
// depend on whether "발치 분석" was pressed before it.
double LifpForExtraction(double lifp);

// (ALDMn / 2 + COS / 2 + LIFP) - 5, with LIFP already at least 5.
double JarabakValue(double aldMn, double cos, double lifp);
// ODI + APDI - (125 - IIA) / 5 - (UL + LL).
double KimIndex(const CephRecord& ceph);

// Kim's index is held as the text of the number (15 significant digits) and
// read back wherever it is used: 149.99999999999997 is held as "150".
std::string KimEIText(double ei);
double KimEIValue(std::string_view kimEI);

// "(ext)", "(non-ext)" or "(border-line)" behind leading blanks.
const char* JarabakVerdict(double jarabakVal);
const char* KimsVerdict(double ei);

// " ALDMn/2 + COS/2 + (LIFP-5) = J" and its verdict; numbers as "#0.0".
std::string JarabakLine(double aldMn, double cos, double lifp, double jarabakVal);
// " ODI + APDI - (125-IIA)/5 - (UL+LL) = EI" and its verdict.
std::string KimsLine(const CephRecord& ceph, std::string_view kimEI);

// JarabakVal, KimEI, JarabakText and KimsText of the record's arch entries.
void ComputeExtraction(FindingsRecord& record, const CephRecord& ceph);

// The "발치 분석" press: reads the three arch boxes; when they pass, the
// record with the two analyses and an empty comment. Empty when refused:
// the caller then keeps its record as the last accepted press left it.
std::optional<FindingsRecord> RunExtraction(FindingsRecord working,
                                            const FindingsEntries& entries,
                                            const CephRecord& ceph);

}  // namespace vt
