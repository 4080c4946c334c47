#include "Program.h"

namespace vt {

void StartProgram() {}

}  // namespace vt
