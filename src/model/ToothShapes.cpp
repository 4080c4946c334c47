#include "model/ToothShapes.h"

#include <array>

namespace vt {

namespace {

constexpr bool S = true;  // a sharp point

// Index order follows ToothPic: Mx1, Mx3, Mx4, Mx5, Mx6, Mx7, Mn1, Mn3 ... Mn7.
// Every tooth touches both sides of the picture at its contact points and
// reaches the occlusal line with its cusp tips or incisal edge; roots reach
// the far edge.
const std::array<ToothShape, 12> kShapes{{
    // Upper incisor, seen from labial like the rest of the row: it stands for
    // the whole incisor stretch, so its crown reaches both sides of the
    // picture and its distal contact meets the canine. Straight incisal edge
    // on the occlusal line, rounded distal angle, tapering single root.
    {11.0, 17.8,
     {{0.0, 3.2}, {0.5, 1.2}, {1.7, 0.2}, {5.6, 0.0}, {9.8, 0.2}, {10.6, 0.7}, {11.0, 2.0}, {10.8, 4.4},
      {10.0, 6.6}, {9.0, 8.0, S}, {8.6, 11.0}, {7.6, 14.6}, {6.3, 17.3}, {5.4, 17.8}, {4.5, 17.3}, {3.3, 14.6},
      {2.5, 11.0}, {2.0, 7.8, S}, {0.9, 6.2}},
     17, 9},
    // Upper canine: one pointed cusp, bulbous crown, the longest root.
    {7.4, 19.5,
     {{0.0, 4.0}, {1.2, 2.2}, {3.9, 0.0, S}, {6.4, 1.9}, {7.4, 3.2}, {7.1, 5.8}, {6.2, 8.2, S}, {6.1, 12.0},
      {5.3, 16.5}, {3.9, 19.5}, {2.6, 16.5}, {1.6, 12.0}, {1.3, 8.0, S}, {0.3, 6.0}},
     12, 6},
    // Upper first premolar: one sharp buccal cusp; root split near its end.
    {7.2, 18.5,
     {{0.0, 3.0}, {0.9, 1.6}, {3.3, 0.0, S}, {6.2, 1.4}, {7.2, 2.8}, {6.8, 5.2}, {5.8, 7.6, S}, {5.6, 11.0},
      {5.1, 14.5}, {4.5, 18.5}, {3.8, 15.4}, {3.5, 13.4, S}, {3.1, 15.4}, {2.5, 18.2}, {1.9, 14.5},
      {1.6, 11.0}, {1.5, 7.6, S}, {0.4, 5.2}},
     16, 6},
    // Upper second premolar: one rounded cusp, single root.
    {6.9, 18.0,
     {{0.0, 2.8}, {0.7, 1.2}, {3.4, 0.0}, {6.2, 1.2}, {6.9, 2.6}, {6.5, 5.0}, {5.5, 7.5, S}, {5.3, 11.0},
      {4.6, 15.5}, {3.5, 18.0}, {2.3, 15.5}, {1.6, 11.0}, {1.4, 7.5, S}, {0.4, 5.0}},
     12, 6},
    // Upper first molar: broad crown, two buccal cusps, two buccal roots.
    {10.4, 18.0,
     {{0.0, 2.6}, {0.7, 1.0}, {2.8, 0.0}, {5.0, 1.1, S}, {7.3, 0.0}, {9.7, 1.0}, {10.4, 2.5}, {10.0, 5.0},
      {9.2, 7.0, S}, {9.5, 10.0}, {8.9, 14.5}, {7.9, 18.0}, {6.6, 15.0}, {6.3, 11.0}, {5.2, 9.2, S},
      {4.1, 11.0}, {3.5, 15.0}, {2.5, 17.8}, {1.4, 15.0}, {1.1, 10.0}, {1.3, 7.0, S}, {0.4, 5.0}},
     20, 8},
    // Upper second molar: smaller distal cusp, roots closer together.
    {9.7, 18.0,
     {{0.0, 2.8}, {0.8, 1.4}, {2.8, 0.4}, {4.5, 1.3, S}, {6.8, 0.0}, {9.0, 1.0}, {9.7, 2.4}, {9.3, 5.0},
      {8.5, 7.0, S}, {8.6, 10.5}, {7.8, 15.0}, {6.4, 18.0}, {5.5, 15.0}, {5.1, 11.5}, {4.6, 10.5, S},
      {4.0, 11.5}, {3.4, 15.0}, {2.6, 17.6}, {1.5, 14.5}, {1.2, 10.0}, {1.3, 7.0, S}, {0.4, 5.0}},
     20, 8},
    // Lower incisor, from labial: fan-shaped crown with a straight incisal
    // edge and contacts high on both sides, long narrow root. The canine is
    // pasted over its distal part (about 2.4 mm in a normal arch), so its neck
    // and root keep clear of that part.
    {8.4, 17.4,
     {{0.0, 2.2}, {0.4, 0.7}, {1.3, 0.1}, {4.2, 0.0}, {7.1, 0.1}, {8.0, 0.6}, {8.4, 2.0}, {8.2, 4.4},
      {7.7, 6.0}, {7.1, 7.3, S}, {6.9, 10.5}, {6.4, 14.0}, {5.6, 16.9}, {4.9, 17.4}, {4.2, 16.9}, {3.4, 14.0},
      {2.9, 10.5}, {2.8, 7.3, S}, {1.2, 5.9}, {0.3, 4.2}},
     17, 9},
    // Lower canine: one pointed cusp, long root.
    {6.3, 19.5,
     {{0.0, 3.8}, {1.0, 2.0}, {3.4, 0.0, S}, {5.5, 1.6}, {6.3, 3.0}, {6.1, 5.8}, {5.3, 8.6, S}, {5.2, 12.5},
      {4.5, 16.8}, {3.3, 19.5}, {2.1, 16.8}, {1.3, 12.5}, {1.1, 8.4, S}, {0.3, 6.0}},
     12, 6},
    // Lower first premolar: one sharp buccal cusp, single root.
    {7.2, 18.5,
     {{0.0, 3.0}, {1.0, 1.5}, {3.6, 0.0, S}, {6.2, 1.5}, {7.2, 3.0}, {6.9, 5.5}, {5.7, 7.6, S}, {5.5, 11.5},
      {4.7, 15.8}, {3.6, 18.5}, {2.5, 15.8}, {1.7, 11.5}, {1.5, 7.6, S}, {0.3, 5.5}},
     12, 6},
    // Lower second premolar: buccal cusp and a lower lingual cusp behind it.
    {7.1, 18.0,
     {{0.0, 2.8}, {0.9, 1.2}, {3.0, 0.0}, {4.6, 1.0, S}, {5.6, 0.7}, {6.6, 1.5}, {7.1, 2.8}, {6.8, 5.2},
      {5.7, 7.4, S}, {5.5, 11.0}, {4.8, 15.3}, {3.6, 18.0}, {2.4, 15.3}, {1.7, 11.0}, {1.5, 7.4, S},
      {0.3, 5.2}},
     14, 8},
    // Lower first molar: three buccal cusps, mesial and distal roots.
    {11.4, 18.0,
     {{0.0, 2.6}, {0.6, 1.2}, {1.8, 0.4}, {3.3, 1.1, S}, {5.1, 0.0}, {6.9, 1.0, S}, {8.7, 0.0}, {10.7, 1.0},
      {11.4, 2.5}, {11.0, 5.0}, {10.1, 7.2, S}, {10.2, 10.5}, {9.8, 15.0}, {8.9, 18.0}, {7.7, 15.5},
      {7.6, 11.5}, {6.0, 9.4, S}, {4.4, 11.5}, {3.9, 15.5}, {2.9, 17.8}, {1.7, 15.0}, {1.3, 10.5},
      {1.3, 7.2, S}, {0.4, 5.0}},
     22, 10},
    // Lower second molar: two buccal cusps, two roots.
    {10.6, 18.0,
     {{0.0, 2.6}, {0.8, 1.0}, {2.8, 0.0}, {5.0, 1.1, S}, {7.6, 0.0}, {9.9, 1.0}, {10.6, 2.5}, {10.2, 5.0},
      {9.4, 7.2, S}, {9.4, 10.5}, {8.9, 15.0}, {7.9, 18.0}, {6.9, 15.2}, {6.7, 11.5}, {5.4, 9.8, S},
      {4.2, 11.5}, {3.8, 15.2}, {2.8, 17.6}, {1.7, 15.0}, {1.3, 10.5}, {1.3, 7.2, S}, {0.4, 5.0}},
     20, 8},
}};

}  // namespace

const ToothShape& ToothShapeOf(ToothPic id) { return kShapes[static_cast<int>(id)]; }

}  // namespace vt
