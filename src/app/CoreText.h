#pragma once

#include <QString>

#include <string_view>

// The core libraries speak English only (norvane-cli prints their texts as they are). The windows
// show those texts through `coreText`: a text of its table comes back translated, and so does a
// text made from one of its patterns, whose %1, %2, … are translated in turn when they are texts
// of the table themselves. A path, a user's text or an unlisted message comes back unchanged.
QString coreText(std::string_view english);
