#include "tracing/Landmarks.h"

namespace vt {

// Forward and back prompts differ on three landmarks, as the clinicians
// know them: "A point" forward, and the first molars' crowns going back.
const std::array<Landmark, kLandmarkCount> kLandmarks{{
    {1, "Nasion", "Nasion", "Nasion", &TracingRecord::NasionX, &TracingRecord::NasionY},
    {2, "Sella", "Sella", "Sella", &TracingRecord::SellaX, &TracingRecord::SellaY},
    {3, "Porion", "Porion", "Porion", &TracingRecord::PorionX, &TracingRecord::PorionY},
    {4, "Orbitale", "Orbitale", "Orbitale", &TracingRecord::OrbitaleX, &TracingRecord::OrbitaleY},
    {5, "ANS", "ANS", "ANS", &TracingRecord::ANSX, &TracingRecord::ANSY},
    {6, "PNS", "PNS", "PNS", &TracingRecord::PNSX, &TracingRecord::PNSY},
    {7, "A Point", "A point", "A Point", &TracingRecord::APointX, &TracingRecord::APointY},
    {8, "B Point", "B Point", "B Point", &TracingRecord::BPointX, &TracingRecord::BPointY},
    {9, "Pogonion", "Pogonion", "Pogonion", &TracingRecord::PogonionX, &TracingRecord::PogonionY},
    {10, "Menton", "Menton", "Menton", &TracingRecord::MentonX, &TracingRecord::MentonY},
    {11, "Corpus Left", "Corpus Left", "Corpus Left", &TracingRecord::CorpusLeftX, &TracingRecord::CorpusLeftY},
    {12, "Ramus Down", "Ramus Down", "Ramus Down", &TracingRecord::RamusDownX, &TracingRecord::RamusDownY},
    {13, "Articulare", "Articulare", "Articulare", &TracingRecord::ArticulareX, &TracingRecord::ArticulareY},
    {14, "Mx 1 Crown", "Mx 1 Crown", "Mx 1 Crown", &TracingRecord::Mx1CrownX, &TracingRecord::Mx1CrownY},
    {15, "Mx 1 Root", "Mx 1 Root", "Mx 1 Root", &TracingRecord::Mx1RootX, &TracingRecord::Mx1RootY},
    {16, "Mn 1 Crown", "Mn 1 Crown", "Mn 1 Crown", &TracingRecord::Mn1CrownX, &TracingRecord::Mn1CrownY},
    {17, "Mn 1 Root", "Mn 1 Root", "Mn 1 Root", &TracingRecord::Mn1RootX, &TracingRecord::Mn1RootY},
    {18, "Mx 6 Distal", "Mx 6 Distal", "Mx 6 Crown", &TracingRecord::Mx6DistalX, &TracingRecord::Mx6DistalY},
    {19, "Mx 6 Root", "Mx 6 Root", "Mx 6 Root", &TracingRecord::Mx6RootX, &TracingRecord::Mx6RootY},
    {20, "Mn 6 Distal", "Mn 6 Distal", "Mn 6 Crown", &TracingRecord::Mn6DistalX, &TracingRecord::Mn6DistalY},
    {21, "Mn 6 Root", "Mn 6 Root", "Mn 6 Root", &TracingRecord::Mn6RootX, &TracingRecord::Mn6RootY},
    {22, "Nose Tip", "Nose Tip", "Nose Tip", &TracingRecord::NoseTipX, &TracingRecord::NoseTipY},
    {23, "Upper Lip", "Upper Lip", "Upper Lip", &TracingRecord::UpperLipX, &TracingRecord::UpperLipY},
    {24, "Lower Lip", "Lower Lip", "Lower Lip", &TracingRecord::LowerLipX, &TracingRecord::LowerLipY},
    {25, "Soft Pogonion", "Soft Pogonion", "", &TracingRecord::SoftPogonionX, &TracingRecord::SoftPogonionY},
}};

}  // namespace vt
