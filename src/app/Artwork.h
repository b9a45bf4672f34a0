#pragma once

#include <QPixmap>

// The pictures the program carries as resources; they are drawn by tools/artwork.

// The program's icon (PNG, 256 pixels square).
QPixmap programIcon();

// The splash window's picture (JPEG) with its caption and the version in the user's language.
QPixmap splashPicture();
