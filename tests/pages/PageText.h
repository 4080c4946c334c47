#pragma once
// A page on the recording surface read as short strings: one line's texts, or one column's over several lines.
#include <string>
#include <vector>
#include "platform/RecordingSurface.h"

namespace vt {

// The texts printed at y, as "x:text" joined by "|".
inline std::string LineAt(const RecordingSurface& s, double y) {
    std::string out;
    for (const PrintedText& t : s.textsAtY(y))
        out.append(out.empty() ? "" : "|").append(std::to_string(int(t.x))).append(":").append(t.text);
    return out;
}

// The text at x on each of the lines, joined by "|"; "-" where none is printed.
inline std::string ColumnAt(const RecordingSurface& s, double x, const std::vector<double>& ys) {
    std::string out;
    for (std::size_t k = 0; k < ys.size(); ++k) {
        std::string cell = "-";
        for (const PrintedText& t : s.textsAtY(ys[k])) cell = t.x == x ? t.text : cell;
        out.append(k ? "|" : "").append(cell);
    }
    return out;
}

}  // namespace vt
