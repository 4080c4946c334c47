#include "pages/NormRow.h"

#include "pages/DevMark.h"
#include "platform/NumberText.h"
#include "platform/SinglePrecision.h"

namespace vt {

void PrintNormRow(ResultSurface& s, const NormColumns& columns, const NormRow& row, double y) {
    s.printAt(columns.label, y, row.label);
    s.printAt(columns.norm, y, FormatNumber(row.norm, "#0.0"));
    s.printAt(columns.sd, y, "±" + FormatNumber(row.sd, row.sdPattern));
    if (!row.value) return;
    s.printAt(columns.value, y, FormatNumber(*row.value, "#0.0"));
    s.printAt(columns.mark, y, DevMark(ToSingle(*row.value - row.norm), ToSingle(row.sd)));
}

}  // namespace vt
