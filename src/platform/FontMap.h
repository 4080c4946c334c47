#pragma once
// The program's font faces (FontNames.h) become the Korean fonts installed
// with the program.

#include <QFont>
#include <QString>
#include <string>

#include "platform/FontNames.h"

namespace vt {

// Family installed for a program font name; other names pass through.
QString MappedFamily(const std::string& faceName);

// A font for form controls: the form face at the given point size.
QFont FormFont(double points, bool bold = false);

}  // namespace vt
