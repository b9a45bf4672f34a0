#include "Twips.h"

#include <QColor>
#include <QFrame>
#include <QPalette>

QRect rectFromTwips(int left, int top, int width, int height) {
    return {norvane::twipsToPixels(left), norvane::twipsToPixels(top),
            norvane::twipsToPixels(width), norvane::twipsToPixels(height)};
}

QSize sizeFromTwips(int width, int height) {
    return {norvane::twipsToPixels(width), norvane::twipsToPixels(height)};
}

namespace {

void addLine(QWidget* parent, int left, int right, int top, const QColor& colour) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setGeometry(norvane::twipsToPixels(left), norvane::twipsToPixels(top),
                      norvane::twipsToPixels(right) - norvane::twipsToPixels(left), 1);
}

} // namespace

void addEtchedLine(QWidget* parent, int left, int right, int top, int gap) {
    addLine(parent, left, right, top, QColor(128, 128, 128));
    addLine(parent, left, right, top + gap, Qt::white);
}
