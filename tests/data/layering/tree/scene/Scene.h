#pragma once

// A core header that reaches up into the drawing layer and into Qt.
#include "Catalogue.h"
#include "render/QtCanvas.h"

#include <QString>
