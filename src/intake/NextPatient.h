#pragma once

namespace vt {

// The next-patient button of every analysis form: a fresh start form, the
// four analysis forms unloaded in order, no page in the preview.
void NextPatient();

}  // namespace vt
