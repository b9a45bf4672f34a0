#include "DrawSymbol.h"

#include "MapNumber.h"

namespace norvane {

namespace {

void drawCorners(const SceneObject& row, const MapSymbol& symbol, Canvas& canvas) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    if (x1 && y1 && x2 && y2)
        canvas.fillRect(*x1, *y1, *x2, *y2, symbol.colour);
}

void drawAtPoint(const SceneObject& row, const Figure& figure, Rgb colour, Canvas& canvas) {
    const auto px = mapNumber(row.list3), py = mapNumber(row.list4);
    if (!px || !py)
        return;
    const float x = *px, y = *py;
    const auto reach = [&] { return lineReach(figure, row.list7); };
    switch (figure.form) {
    case FigureForm::Box:
        canvas.fillRect(x + figure.x1, y + figure.y1, x + figure.x2, y + figure.y2, colour);
        break;
    case FigureForm::Disc:
        canvas.setFillSolid();
        canvas.setFillColour(colour);
        canvas.circle(x, y, figure.size, colour);
        break;
    case FigureForm::LineAlongX:
        canvas.line(x - reach(), y, x + reach(), y, colour);
        break;
    case FigureForm::LineAlongY:
        canvas.line(x, y - reach(), x, y + reach(), colour);
        break;
    case FigureForm::Corners:
        break;
    }
}

} // namespace

void drawSymbol(const SceneObject& row, const MapSymbol& symbol, const Figure& figure,
                Canvas& canvas) {
    if (figure.form == FigureForm::Corners)
        drawCorners(row, symbol, canvas);
    else
        drawAtPoint(row, figure, symbol.colour, canvas);
}

} // namespace norvane
