#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

// The window layouts are measured in twips (1/1440 inch); the editor shows them at
// 15 twips per pixel.
inline constexpr int kTwipsPerPixel = 15;

// Pixels for a length in twips, rounded to the nearest pixel.
constexpr int pixelsFromTwips(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

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
