#pragma once
// Puts the program back as a test or fuzz run found it: every form unloaded,
// the help window closed, and a fresh session for the next patient. The seams
// come back with the SeamsGuard that the run holds.

namespace vt::testing {

void UnloadProgram();

}  // namespace vt::testing
