#pragma once
// The units that forms, pictures and pages are measured in, and the
// conversions between them, each named after the two units it joins.
// Twips are 1440 to the inch, points 72; a pixel is one of a 96 dpi screen.
//
// Results depend on the order of floating-point operations: each conversion
// keeps the operations its callers computed, in their order, and a caller
// that computes another order keeps its own arithmetic.

namespace vt {

inline constexpr double kMmPerInch = 25.4;
inline constexpr int kTwipsPerInch = 1440;
inline constexpr double kPointsPerInch = 72.0;
inline constexpr int kScreenPixelsPerInch = 96;

inline constexpr int kTwipsPerPixel = kTwipsPerInch / kScreenPixelsPerInch;  // 15
inline constexpr double kTwipsPerMm = kTwipsPerInch / kMmPerInch;
inline constexpr double kScreenPixelsPerMm = kScreenPixelsPerInch / kMmPerInch;
inline constexpr double kMmPerScreenPixel = kMmPerInch / kScreenPixelsPerInch;
inline constexpr double kMmPerPoint = kMmPerInch / kPointsPerInch;
// The screen's resolution as image files record it, in whole dots a metre (3780).
inline constexpr int kScreenDotsPerMetre = static_cast<int>(kScreenPixelsPerInch * 1000 / kMmPerInch + 0.5);

// Whole pixels, as form positions and sizes are placed: the remainder is dropped.
inline constexpr int TwipsToPixels(int twips) { return twips / kTwipsPerPixel; }

inline constexpr double TwipsToMm(double twips) { return twips * kMmPerInch / kTwipsPerInch; }

inline constexpr double PointsToMm(double points) { return points * kMmPerPoint; }

// Millimetres to dots of a device that has `dotsPerInch`.
inline constexpr double MmToDots(double mm, double dotsPerInch) { return mm * dotsPerInch / kMmPerInch; }

// A resolution per inch as the same resolution per millimetre.
inline constexpr double PerInchToPerMm(double perInch) { return perInch / kMmPerInch; }

}  // namespace vt
