#include "intake/AgeEntry.h"

#include <optional>

#include "platform/NumberText.h"

namespace vt {

AgeEntry ReadAgeEntry(std::string_view yearText, std::string_view monthText) {
    const NumberRead year = ReadNumber(yearText);
    const NumberRead month = ReadNumber(monthText);
    const std::optional<std::int16_t> months = month.overflow ? std::nullopt : RoundToInt16(month.value);
    AgeEntry entry;
    entry.year = year.value;
    // A month count beyond a 16-bit integer is no valid age either.
    entry.month = months.value_or(0);
    entry.valid =
        !year.overflow && months && entry.year > 0 && entry.year < 100 && entry.month >= 0 && entry.month < 12;
    return entry;
}

}  // namespace vt
