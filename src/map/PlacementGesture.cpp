#include "PlacementGesture.h"

#include "scene/Catalogue.h"
#include "scene/NumberText.h"
#include "scene/SingleLine.h"

#include <string>

namespace norvane {

void PlacementGesture::press(MouseButton button, MapPoint at, std::string_view kind) {
    if (button != MouseButton::Left)
        return;
    m_mapPressed = true;
    if (isAreaKind(kind)) {
        m_dragStart = at;
        m_band = {at.x, at.y, 1.0f, 1.0f};
        m_bandVisible = true;
    }
}

void PlacementGesture::move(MapPoint at) {
    if (m_bandVisible) {
        if (at.x > m_band.left)
            m_band.width = at.x - m_band.left;
        if (at.y > m_band.top)
            m_band.height = at.y - m_band.top;
    }
    m_crossHair = at;
    m_crossHairVisible = true;
}

namespace {

// A prompt's answer as the one line that is stored; "" stops the placement.
std::string askLine(Prompt& prompt, std::string_view text, std::string_view title) {
    return singleLine(prompt.ask(text, title));
}

} // namespace

std::optional<SceneObject> PlacementGesture::release(MouseButton button, MapPoint at,
                                                     const PlacementChoice& choice,
                                                     Prompt& prompt) {
    if (button != MouseButton::Left || !m_mapPressed || !findKind(choice.kind))
        return std::nullopt;
    std::string url;
    if (choice.withAnchor) {
        url = askLine(prompt, kUrlPrompt, kUrlTitle);
        if (choice.untickAnchor)
            choice.untickAnchor();
        if (url.empty()) {
            m_bandVisible = false; // an abandoned drag must not leave the band behind
            return std::nullopt;
        }
    }
    std::optional<SceneObject> placed;
    if (isAreaKind(choice.kind)) {
        placed = finishArea(at, choice.kind, std::move(url));
    } else {
        std::string text;
        if (isTextKind(choice.kind) && (text = askLine(prompt, kTextPrompt, kTextTitle)).empty())
            return std::nullopt;
        placed = SceneObject{std::string(choice.kind),        pointForm(at.x), pointForm(at.y),
                             std::string(choice.orientation), std::move(url),  std::move(text)};
    }
    if (placed)
        m_mapPressed = false;
    return placed;
}

std::optional<SceneObject> PlacementGesture::finishArea(MapPoint at, std::string_view kind,
                                                        std::string url) {
    m_bandVisible = false;
    m_dragEnd = at;
    if (m_dragEnd.x < m_dragStart.x || m_dragEnd.y < m_dragStart.y)
        return std::nullopt;
    return SceneObject{std::string(kind),      plainForm(m_dragStart.x), plainForm(m_dragStart.y),
                       plainForm(m_dragEnd.x), plainForm(m_dragEnd.y),   std::move(url)};
}

} // namespace norvane
