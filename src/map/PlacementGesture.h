#pragma once

#include "MapPoint.h"
#include "MapRect.h"
#include "MouseButton.h"
#include "PlacementChoice.h"
#include "Prompt.h"

#include "scene/SceneObject.h"

#include <optional>
#include <string_view>

namespace norvane {

inline constexpr std::string_view kUrlPrompt = "Enter URL";
inline constexpr std::string_view kUrlTitle = "VRML Anchor";
inline constexpr std::string_view kTextPrompt = "Enter Text String";
inline constexpr std::string_view kTextTitle = "Text";

// The mouse gesture that places an object on the map, fed plain press, move and release events
// in map units. It keeps the pressed flag, the drag corners, the rubber band and the cross-hair;
// a completed release hands back the new row for the caller to append. A release that stops
// early leaves the flag set, so a following release without a press of its own (the second
// release of a double click) runs the release steps again.
class PlacementGesture {
public:
    // A left press arms the placement; with an area kind it also starts the rubber band.
    void press(MouseButton button, MapPoint at, std::string_view kind);
    // Grows the rubber band to the right and downwards and moves the cross-hair to `at`.
    void move(MapPoint at);
    // Runs the release steps: asks for the anchor URL (then runs choice.untickAnchor) and for the
    // display text of a text kind, each answer taken as one line (singleLine). Returns the row to
    // append, or nothing when the placement stops.
    std::optional<SceneObject> release(MouseButton button, MapPoint at,
                                       const PlacementChoice& choice, Prompt& prompt);
    void hideCrossHair() { m_crossHairVisible = false; }
    // Drops a pressed placement and its rubber band, as Escape does with the keyboard's.
    void abandon() { m_mapPressed = m_bandVisible = false; }

    bool mapPressed() const { return m_mapPressed; }
    MapPoint dragStart() const { return m_dragStart; }
    MapPoint dragEnd() const { return m_dragEnd; }
    bool rubberBandVisible() const { return m_bandVisible; }
    MapRect rubberBand() const { return m_band; }
    bool crossHairVisible() const { return m_crossHairVisible; }
    MapPoint crossHair() const { return m_crossHair; }

private:
    std::optional<SceneObject> finishArea(MapPoint at, std::string_view kind, std::string url);

    bool m_mapPressed = false;
    MapPoint m_dragStart;
    MapPoint m_dragEnd;
    bool m_bandVisible = false;
    MapRect m_band;
    bool m_crossHairVisible = false;
    MapPoint m_crossHair;
};

} // namespace norvane
