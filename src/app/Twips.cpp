#include "Twips.h"

#include <QColor>
#include <QFrame>
#include <QPalette>

QRect rectFromTwips(int left, int top, int width, int height) {
    return {pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width),
            pixelsFromTwips(height)};
}

QSize sizeFromTwips(int width, int height) {
    return {pixelsFromTwips(width), pixelsFromTwips(height)};
}

namespace {

void addLine(QWidget* parent, int left, int right, int top, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setGeometry(pixelsFromTwips(left), pixelsFromTwips(top),
                      pixelsFromTwips(right) - pixelsFromTwips(left), 1);
}

} // namespace

void addEtchedLine(QWidget* parent, int left, int right, int top, int gap) {
    addLine(parent, left, right, top, QColor(128, 128, 128));
    addLine(parent, left, right, top + gap, Qt::white);
}
