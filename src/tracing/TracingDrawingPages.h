#pragma once
// Tracing pages 1 and 2: the cephalometric tracing with 43 of its values
// beside the structures they measure. Page 1 lays it in red over the
// radiograph, values in blue; page 2 draws it in black on a blank sheet.

#include "intake/PatientRecord.h"
#include "platform/ResultSurface.h"
#include "tracing/TracingResult.h"

namespace vt {

inline constexpr int kTracingLineColor = 12;  // light red
inline constexpr int kTracingValueColor = 9;  // light blue

// Where page 1 lays the radiograph: 170 x 210 mm of the sheet from (20, 40),
// showing the anatomy from 50 mm left of and above Sella, life-size.
inline constexpr SheetRect kRadiographSheetRect{20, 40, 170, 210};
// That window on the radiograph, in millimetres of the picture at its
// nominal size (picture units are twips, 1440 per inch).
SheetRect RadiographWindowMm(double sellaX, double sellaY, double mmPerPixel);

// The radiograph's source window is shifted by the tracing offsets Xchange
// and Ychange, the origin of `s` on the sheet, so that the radiograph and the
// tracing stay registered wherever the surface begins.
void CephAx1(ResultSurface& s, const TracingResult& t, const PatientRecord& p);
void CephAx2(ResultSurface& s, const TracingResult& t, const PatientRecord& p);

}  // namespace vt
