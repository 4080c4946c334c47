#pragma once
// The standard 16-colour palette the pages name colours by, and the twips
// that form positions are given in.

#include <cstdint>

namespace vt {

struct Rgb {
    std::uint8_t r, g, b;
    bool operator==(const Rgb&) const = default;
};

// Palette index 0..15 (0 black, 9 light blue, 12 light red, 15 white);
// an index outside the palette gives black.
Rgb PaletteColor(int index);

inline constexpr int kTwipsPerPixel = 15;  // at 96 dots per inch
inline constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }
inline constexpr double kTwipsPerMm = 1440.0 / 25.4;

}  // namespace vt
