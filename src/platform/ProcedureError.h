#pragma once
// A computing procedure that fails reports it in a message titled with its
// own name. Free of Qt, so that pure logic can report.

#include <string_view>

namespace vt {

void ReportProcedureError(std::string_view procedure, std::string_view text);

}  // namespace vt
