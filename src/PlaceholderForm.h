#pragma once
// TEMPORARY: stands in for an analysis form that is not built yet, so that
// navigation to it works. Each use is removed when the real form lands.

#include "platform/Forms.h"

namespace vt {

class PlaceholderForm : public Form {
    Q_OBJECT
public:
    PlaceholderForm(const char* name, const QString& title);
};

}  // namespace vt
