#pragma once
// The program names its fonts "돋움" and "돋움체"; here they become the
// Korean fonts installed with the program.

#include <QFont>
#include <QString>
#include <string>

namespace vt {

// Family installed for a program font name; other names pass through.
QString MappedFamily(const std::string& faceName);

// A font for form controls: mapped face at the given point size.
QFont FormFont(const std::string& faceName, double points, bool bold = false);

}  // namespace vt
