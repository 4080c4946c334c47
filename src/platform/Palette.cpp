#include "platform/Palette.h"

#include <array>

namespace vt {

Rgb PaletteColor(int index) {
    static constexpr std::array<Rgb, 16> colors{{
        {0, 0, 0},
        {0, 0, 128},
        {0, 128, 0},
        {0, 128, 128},
        {128, 0, 0},
        {128, 0, 128},
        {128, 128, 0},
        {192, 192, 192},
        {128, 128, 128},
        {0, 0, 255},
        {0, 255, 0},
        {0, 255, 255},
        {255, 0, 0},
        {255, 0, 255},
        {255, 255, 0},
        {255, 255, 255},
    }};
    if (index < 0 || index >= 16) return colors[0];
    return colors[static_cast<std::size_t>(index)];
}

}  // namespace vt
