#pragma once
// Entries that pass the forms' checks, by text box name: the driver types
// them, now and then with a box or two changed, so that runs get past the
// checks and write pages. A form without entries here is still fuzzed with
// hostile text; add its boxes when it lands.

#include <array>
#include <string_view>

namespace vt::fuzz {

struct SampleEntry {
    std::string_view box;
    std::string_view text;
};

inline constexpr std::array<SampleEntry, 46> kSampleEntries{{
    // frmPatientInfo
    {"txtName", "홍길동"},
    {"txtChartNo", "77"},
    {"txtYear", "12.5"},
    {"txtMonth", "3"},
    // frmModel
    {"txtSize_0", "8.5"},
    {"txtSize_1", "6.8"},
    {"txtSize_2", "7.9"},
    {"txtSize_3", "7.2"},
    {"txtSize_4", "6.8"},
    {"txtSize_5", "10.3"},
    {"txtSize_6", "5.4"},
    {"txtSize_7", "6.0"},
    {"txtSize_8", "7.0"},
    {"txtSize_9", "7.1"},
    {"txtSize_10", "7.2"},
    {"txtSize_11", "11.2"},
    {"txtUBAW", "46.5"},
    {"txtLBAW", "40"},
    // frmCephalo
    {"txtSNA", "80"},
    {"txtSNB", "82"},
    {"txtFA", "88"},
    {"txtABMP", "70"},
    {"txtPFH", "80"},
    {"txtAFH", "120"},
    {"txtSNMP", "32"},
    {"txtFMA", "25"},
    {"txtPPMP", "25"},
    {"txtOPMP", "15"},
    {"txtWits", "-1"},
    {"txtUISN", "105"},
    {"txtIMPA", "95"},
    {"txtUIFP", "7.5"},
    {"txtLIFP", "4"},
    {"txtUL", "-1.5"},
    {"txtLL", "0.5"},
    // frmDiagnosis
    {"txtALDMx", "3"},
    {"txtALDMn", "4"},
    {"txtCOS", "2"},
    {"txtOB", "2"},
    {"txtOJ", "3"},
    {"txtMolarRt", "3"},
    {"txtMolarLt", "1"},
    {"txtCrossRt", ""},
    {"txtCrossLt", "2"},
    // Chart numbers that are odd but allowed.
    {"txtChartNo", ":1"},
    {"txtChartNo", " ~-. "},
}};

}  // namespace vt::fuzz
