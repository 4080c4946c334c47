#pragma once
// Values kept in single precision, as some record fields and every
// deviation mark are.

namespace vt {

// Rounds to single precision; values beyond its range become infinite
// instead of being undefined.
float ToSingle(double value);

}  // namespace vt
