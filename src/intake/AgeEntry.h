#pragma once
// The age typed on the start form: years (fractions allowed) and months.

#include <cstdint>
#include <string_view>

namespace vt {

struct AgeEntry {
    double year = 0;         // as read, kept even when the age is refused
    std::int16_t month = 0;  // 0 when the months cannot be read as a 16-bit integer
    bool valid = false;      // 0 < year < 100 and 0 <= month < 12
};

AgeEntry ReadAgeEntry(std::string_view yearText, std::string_view monthText);

}  // namespace vt
