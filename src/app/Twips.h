#pragma once

#include "map/MapZoom.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

// The window layouts are measured in twips (1/1440 inch) and shown at
// norvane::kTwipsPerPixel twips per pixel, rounded to the nearest pixel like the map.

// A rectangle given in twips (left, top, width, height), in pixels.
QRect rectFromTwips(int left, int top, int width, int height);

// A size given in twips, in pixels.
QSize sizeFromTwips(int width, int height);

// Adds an etched separator to `parent`: a dark line from `left` to `right` at `top`, and a white
// line `gap` twips below it. All arguments in twips.
void addEtchedLine(QWidget* parent, int left, int right, int top, int gap);

// Gives `widget` its control name and its place in twips (left, top, width, height); returns it.
template <typename Widget>
Widget* placeControl(Widget* widget, const char* name, int left, int top, int width, int height) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rectFromTwips(left, top, width, height));
    return widget;
}
