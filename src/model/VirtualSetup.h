#pragma once
// The four virtual set-ups at the foot of the model page: which tooth
// outline goes into which rectangle, in the order they are pasted. Pure
// layout; the page paints the result.
//
// Each set-up shows one upper quadrant in a row, second molar on the left to
// the incisors on the right, centred on the set-up's base x, and the lower
// quadrant beneath it, its incisor ending the overjet short of the upper one.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/ModelRecord.h"
#include "model/ToothPic.h"
#include "platform/ResultSurface.h"

namespace vt {

// Projection coefficients of the front teeth by arch form: c1..c3 for
// U1..U3, c4..c6 for L1..L3. c6 is kept in single precision.
struct ArchFormCoefs {
    double c1, c2, c3, c4, c5;
    float c6;
};
inline constexpr std::array<ArchFormCoefs, 3> kArchFormCoefs{{
    {0.53, 0.82, 0.97, 0.47, 0.71, 0.93f},  // Narrow
    {0.43, 0.71, 0.91, 0.34, 0.57, 0.87f},  // Normal
    {0.31, 0.57, 0.82, 0.24, 0.42, 0.77f},  // Broad
}};

// Projected row lengths in page millimetres.
struct SetupLengths {
    double upperIncExtra = 0, lowerIncExtra = 0;
    double SU = 0;   // all upper teeth
    double SUx = 0;  // upper first premolar left out
    double SL = 0;   // all lower teeth
    double SLx = 0;  // lower first premolar left out
    double SLi = 0;  // one lower incisor left out
};

struct SetupPaste {
    ToothPic picture;
    SheetRect rect;
};

struct SetupPlan {
    std::string caption;
    double captionX = 0, captionY = 0;
    std::vector<SetupPaste> pastes;  // in paste order
};

struct VirtualSetups {
    std::string title;
    std::vector<SetupPlan> setups;  // [1] .. [4]
};

// The arch form the set-ups use; a value the form never sets counts as Normal.
int ArchFormIndex(std::int16_t archForm);

std::string SetupTitle(std::int16_t archForm, float overjet);
SetupLengths ComputeSetupLengths(const ModelRecord& m, const ArchFormCoefs& c);
VirtualSetups PlanVirtualSetups(const ModelRecord& m);

}  // namespace vt
