#pragma once
// Which tools of the digitizing form can be used, as a table of the events
// that enable and disable each. The open and close buttons are always usable
// and are not listed.

#include <array>
#include <cstdint>

namespace vt {

enum class Tool : std::uint8_t {
    cboScale,
    cmdScale,
    cmdLandmark,
    cboLandmark,
    cmdModify,
    cmdMagnify,
    cmdMove,
    cmdPreview
};
inline constexpr int kToolCount = 8;

enum class ToolEvent : std::uint8_t {
    FormLoad,           // a fresh form
    Opened,             // a picture was opened
    ScaleChosen,        // an entry picked in the scale list
    ScaleStarted,       // the scale button
    LandmarksStarted,   // the landmark button
    ModifyStarted,      // the re-place button
    LandmarkChosen,     // an entry picked in the landmark list
    FirstScaleClick,    // the scale's start point was clicked
    SecondScaleClick,   // the scale's end point was clicked
    LastLandmarkClick,  // the 25th landmark was clicked
};

using ToolStates = std::array<bool, kToolCount>;

inline bool& At(ToolStates& states, Tool tool) { return states[static_cast<std::size_t>(tool)]; }
inline bool At(const ToolStates& states, Tool tool) { return states[static_cast<std::size_t>(tool)]; }

// The tool states after `event`; tools the event does not name keep theirs.
ToolStates ApplyToolEvent(ToolStates states, ToolEvent event);

}  // namespace vt
