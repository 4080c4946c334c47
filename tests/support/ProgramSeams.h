#pragma once
// Puts the program back as a test or fuzz run found it: every form unloaded,
// the help window closed, and every seam that records or answers instead of
// a dialog, printer or disk restored.

namespace vt::testing {

void UnloadProgramAndRestoreSeams();

}  // namespace vt::testing
