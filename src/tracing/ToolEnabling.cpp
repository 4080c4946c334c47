#include "tracing/ToolEnabling.h"

#include <cstdint>
#include <initializer_list>

namespace vt {

namespace {

using E = ToolEvent;
using EventSet = std::uint32_t;

constexpr EventSet Events(std::initializer_list<ToolEvent> events) {
    EventSet set = 0;
    for (ToolEvent e : events) set |= EventSet{1} << static_cast<unsigned>(e);
    return set;
}

struct ToolRow {
    Tool tool;
    EventSet disabledBy;
    EventSet enabledBy;
};

const ToolRow kToolRows[] = {
    {Tool::cboScale, Events({E::FormLoad, E::FirstScaleClick}), Events({E::Opened, E::SecondScaleClick})},
    {Tool::cmdScale,
     Events({E::FormLoad, E::ScaleStarted, E::LandmarksStarted, E::ModifyStarted}),
     Events({E::Opened, E::ScaleChosen, E::SecondScaleClick, E::LastLandmarkClick})},
    {Tool::cmdLandmark, Events({E::FormLoad, E::Opened, E::ScaleStarted}), Events({E::SecondScaleClick})},
    {Tool::cboLandmark, Events({E::FormLoad, E::Opened}), Events({E::LastLandmarkClick})},
    {Tool::cmdModify, Events({E::FormLoad, E::Opened}), Events({E::LandmarkChosen})},
    {Tool::cmdMagnify, Events({E::FormLoad}), Events({E::Opened})},
    {Tool::cmdMove, Events({E::FormLoad}), Events({E::Opened})},
    {Tool::cmdPreview, Events({E::FormLoad, E::Opened}), Events({E::LastLandmarkClick})},
};

bool Names(EventSet events, ToolEvent event) { return (events >> static_cast<unsigned>(event)) & 1U; }

}  // namespace

ToolStates ApplyToolEvent(ToolStates states, ToolEvent event) {
    for (const ToolRow& row : kToolRows) {
        if (Names(row.disabledBy, event)) At(states, row.tool) = false;
        if (Names(row.enabledBy, event)) At(states, row.tool) = true;
    }
    return states;
}

}  // namespace vt
