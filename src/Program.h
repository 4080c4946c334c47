#pragma once

namespace vt {

// Wires the forms and page procedures together and shows the start form.
// main() calls it; the end-to-end tests call it too.
void StartProgram();

}  // namespace vt
