#pragma once

#include <QImage>

// The program's own pictures, drawn with QPainter: a small world under a blue sky (a ground
// grid, a tree and a house). Drawing text needs a QGuiApplication.

// The program icon, `size` pixels square, with a transparent margin.
QImage drawIcon(int size);

// The splash picture, 431 by 284 pixels: the same world, the name and the version.
QImage drawSplash();
