#include "pages/PrintWrapped.h"

namespace vt {

namespace {

// Bytes of the UTF-8 character that starts at `lead`; a stray or broken
// byte counts as a character of its own, so a bad text never splits or
// reads past its end.
std::size_t CharacterBytes(std::string_view text, std::size_t lead) {
    const unsigned char c = static_cast<unsigned char>(text[lead]);
    std::size_t n = c < 0x80 ? 1 : c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    for (std::size_t k = 1; k < n; ++k) {
        if (lead + k >= text.size() || (static_cast<unsigned char>(text[lead + k]) & 0xC0) != 0x80) return k;
    }
    return n;
}

// Byte length of the first line of `rest`: up to and including the first
// blank at which the line is wider than the break width; 0 when none is.
std::size_t FirstLineBytes(const ResultSurface& s, std::string_view rest) {
    for (std::size_t i = 0; i < rest.size(); i += CharacterBytes(rest, i)) {
        if (rest[i] == ' ' && s.textWidth(rest.substr(0, i + 1)) > kCommentBreakWidth) return i + 1;
    }
    return 0;
}

}  // namespace

void PrintWrapped(ResultSurface& s, std::string_view text, double x, double firstY, double pitch) {
    std::string_view rest = text;
    int k = 0;
    while (const std::size_t n = FirstLineBytes(s, rest)) {
        s.setCurrent(x, firstY + pitch * k);
        s.print(rest.substr(0, n));
        rest.remove_prefix(n);
        ++k;
    }
    s.setCurrent(x, firstY + pitch * k);
    s.print(rest);
}

}  // namespace vt
