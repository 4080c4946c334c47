#pragma once
// The digitized cephalogram: the scale and the 25 landmarks as clicked, in
// picture units (twips of the radiograph at its nominal size, 15 per pixel,
// origin at its top-left corner, y downwards). Written by the digitizing
// form's clicks; read by the measurement construction and the tracing pages.

#include <cstdint>

namespace vt {

// A coordinate that holds this has not been placed since the last reset.
inline constexpr double kNotPlaced = -200;

// A point counts as placed only inside the picture, away from its top and
// left edges: both coordinates strictly above 0.
constexpr bool IsPlaced(double x, double y) { return x > 0 && y > 0; }

struct TracingRecord {
    // Ends of the scale segment clicked on the radiograph.
    double ScaleX1 = kNotPlaced, ScaleY1 = kNotPlaced;
    double ScaleX2 = kNotPlaced, ScaleY2 = kNotPlaced;
    // Length of the scale segment in millimetres: 20, 50 or 100 once chosen.
    std::int16_t ScaleLength = 0;
    // Millimetres of anatomy per picture unit; set by the second scale click,
    // always positive once set.
    double MmPerPixel = 0;

    // The 25 landmarks in the order they are placed (see Landmarks.h).
    double NasionX = kNotPlaced, NasionY = kNotPlaced;
    double SellaX = kNotPlaced, SellaY = kNotPlaced;
    double PorionX = kNotPlaced, PorionY = kNotPlaced;
    double OrbitaleX = kNotPlaced, OrbitaleY = kNotPlaced;
    double ANSX = kNotPlaced, ANSY = kNotPlaced;
    double PNSX = kNotPlaced, PNSY = kNotPlaced;
    double APointX = kNotPlaced, APointY = kNotPlaced;
    double BPointX = kNotPlaced, BPointY = kNotPlaced;
    double PogonionX = kNotPlaced, PogonionY = kNotPlaced;
    double MentonX = kNotPlaced, MentonY = kNotPlaced;
    double CorpusLeftX = kNotPlaced, CorpusLeftY = kNotPlaced;
    double RamusDownX = kNotPlaced, RamusDownY = kNotPlaced;
    double ArticulareX = kNotPlaced, ArticulareY = kNotPlaced;
    double Mx1CrownX = kNotPlaced, Mx1CrownY = kNotPlaced;
    double Mx1RootX = kNotPlaced, Mx1RootY = kNotPlaced;
    double Mn1CrownX = kNotPlaced, Mn1CrownY = kNotPlaced;
    double Mn1RootX = kNotPlaced, Mn1RootY = kNotPlaced;
    double Mx6DistalX = kNotPlaced, Mx6DistalY = kNotPlaced;
    double Mx6RootX = kNotPlaced, Mx6RootY = kNotPlaced;
    double Mn6DistalX = kNotPlaced, Mn6DistalY = kNotPlaced;
    double Mn6RootX = kNotPlaced, Mn6RootY = kNotPlaced;
    double NoseTipX = kNotPlaced, NoseTipY = kNotPlaced;
    double UpperLipX = kNotPlaced, UpperLipY = kNotPlaced;
    double LowerLipX = kNotPlaced, LowerLipY = kNotPlaced;
    double SoftPogonionX = kNotPlaced, SoftPogonionY = kNotPlaced;
};

// The tracing being digitized for the session's patient.
TracingRecord& Tracing();

}  // namespace vt
