#pragma once
// The standard 16-colour palette the pages name colours by.

#include <cstdint>

namespace vt {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

// Palette index 0..15 (0 black, 9 light blue, 12 light red, 15 white);
// an index outside the palette gives black.
Rgb PaletteColor(int index);

}  // namespace vt
