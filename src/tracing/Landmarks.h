#pragma once
// The 25 landmarks of a tracing: one enumeration in their order of placing,
// the arrays indexed by it, and their texts (the entry of the landmark list,
// the prompts shown while placing and while stepping back).

#include <array>
#include <cstddef>
#include <cstdint>

namespace vt {

// In the order the clinician places them: Nasion first, Soft Pogonion last.
enum class Landmark : std::uint8_t {
    Nasion,
    Sella,
    Porion,
    Orbitale,
    ANS,
    PNS,
    APoint,
    BPoint,
    Pogonion,
    Menton,
    CorpusLeft,
    RamusDown,
    Articulare,
    Mx1Crown,
    Mx1Root,
    Mn1Crown,
    Mn1Root,
    Mx6Distal,
    Mx6Root,
    Mn6Distal,
    Mn6Root,
    NoseTip,
    UpperLip,
    LowerLip,
    SoftPogonion,
    // Not a landmark: their number. A new landmark goes above, in its place
    // in the order, with its row in kLandmarks.
    Count
};

inline constexpr std::size_t kLandmarkCount = static_cast<std::size_t>(Landmark::Count);

// Position in the placing order, 0 for Nasion.
constexpr std::size_t IndexOf(Landmark l) { return static_cast<std::size_t>(l); }
// The landmark at a position of the placing order; `index` < kLandmarkCount.
constexpr Landmark LandmarkAt(std::size_t index) { return static_cast<Landmark>(index); }

// Every landmark, in placing order, for walking them all.
inline constexpr std::array<Landmark, kLandmarkCount> kAllLandmarks = [] {
    std::array<Landmark, kLandmarkCount> all{};
    for (std::size_t i = 0; i < kLandmarkCount; ++i) all[i] = LandmarkAt(i);
    return all;
}();

// One value per landmark, indexed by the enumeration. A position in the
// placing order reaches the same element.
template <typename T>
struct LandmarkArray : std::array<T, kLandmarkCount> {
    using std::array<T, kLandmarkCount>::operator[];
    constexpr T& operator[](Landmark l) { return (*this)[IndexOf(l)]; }
    constexpr const T& operator[](Landmark l) const { return (*this)[IndexOf(l)]; }
};

struct LandmarkText {
    Landmark landmark;          // the row's own landmark, checked against its place below
    const char* name;           // entry of the landmark list
    const char* forwardPrompt;  // shown when this landmark is next to place
    const char* backPrompt;     // shown when stepping back to it; empty for the last
};

// Forward and back prompts differ on three landmarks, as the clinicians
// know them: "A point" forward, and the first molars' crowns going back.
inline constexpr LandmarkArray<LandmarkText> kLandmarks{{{
    {Landmark::Nasion, "Nasion", "Nasion", "Nasion"},
    {Landmark::Sella, "Sella", "Sella", "Sella"},
    {Landmark::Porion, "Porion", "Porion", "Porion"},
    {Landmark::Orbitale, "Orbitale", "Orbitale", "Orbitale"},
    {Landmark::ANS, "ANS", "ANS", "ANS"},
    {Landmark::PNS, "PNS", "PNS", "PNS"},
    {Landmark::APoint, "A Point", "A point", "A Point"},
    {Landmark::BPoint, "B Point", "B Point", "B Point"},
    {Landmark::Pogonion, "Pogonion", "Pogonion", "Pogonion"},
    {Landmark::Menton, "Menton", "Menton", "Menton"},
    {Landmark::CorpusLeft, "Corpus Left", "Corpus Left", "Corpus Left"},
    {Landmark::RamusDown, "Ramus Down", "Ramus Down", "Ramus Down"},
    {Landmark::Articulare, "Articulare", "Articulare", "Articulare"},
    {Landmark::Mx1Crown, "Mx 1 Crown", "Mx 1 Crown", "Mx 1 Crown"},
    {Landmark::Mx1Root, "Mx 1 Root", "Mx 1 Root", "Mx 1 Root"},
    {Landmark::Mn1Crown, "Mn 1 Crown", "Mn 1 Crown", "Mn 1 Crown"},
    {Landmark::Mn1Root, "Mn 1 Root", "Mn 1 Root", "Mn 1 Root"},
    {Landmark::Mx6Distal, "Mx 6 Distal", "Mx 6 Distal", "Mx 6 Crown"},
    {Landmark::Mx6Root, "Mx 6 Root", "Mx 6 Root", "Mx 6 Root"},
    {Landmark::Mn6Distal, "Mn 6 Distal", "Mn 6 Distal", "Mn 6 Crown"},
    {Landmark::Mn6Root, "Mn 6 Root", "Mn 6 Root", "Mn 6 Root"},
    {Landmark::NoseTip, "Nose Tip", "Nose Tip", "Nose Tip"},
    {Landmark::UpperLip, "Upper Lip", "Upper Lip", "Upper Lip"},
    {Landmark::LowerLip, "Lower Lip", "Lower Lip", "Lower Lip"},
    {Landmark::SoftPogonion, "Soft Pogonion", "Soft Pogonion", ""},
}}};

// A row out of its place, or a landmark without a row, does not build.
static_assert([] {
    for (Landmark l : kAllLandmarks)
        if (kLandmarks[l].landmark != l) return false;
    return true;
}());

}  // namespace vt
