#pragma once
// Writes the pages of an analysis run as image files into the patient folder.

#include <initializer_list>

#include "intake/PreviewPages.h"

namespace vt {

// Draws each page of the states given as the saved image shows it and writes
// it under its file name into the patient folder, in order. Files that could
// not be written are named in one message; true when every file was written.
bool SaveResultPages(std::initializer_list<PreviewState> pages);

}  // namespace vt
