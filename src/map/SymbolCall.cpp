#include "SymbolCall.h"

#include "MapNumber.h"

namespace norvane {

namespace {

using Op = SymbolCall::Op;

SymbolCall cornersCall(const SceneRow& row) {
    const auto c = mapCorners(areaFields(row));
    if (!c)
        return {};
    return {Op::FillRect, 0, {c->x1, c->y1, c->x2, c->y2}};
}

// A line through (x, y), `reach` on either side of it along the unit offset `along`.
SymbolCall lineCall(float x, float y, MapPoint along, float reach) {
    return {Op::Line,
            0,
            {x - along.x * reach, y - along.y * reach, x + along.x * reach, y + along.y * reach}};
}

SymbolCall pointCall(const SceneRow& row, const TurnedFigure& turned) {
    const PointFields fields = pointFields(row);
    const auto place = mapPlace(fields);
    if (!place)
        return {};
    const Figure& figure = *turned.figure;
    const MapTurn turn = turned.turn;
    const float x = place->x, y = place->y;
    switch (figure.form) {
    case FigureForm::Box:
        if (!turn.none())
            return {Op::TurnedBox, 0, {x, y, turn.cos, turn.sin}};
        return {Op::FillRect, 0, {x + figure.x1, y + figure.y1, x + figure.x2, y + figure.y2}};
    case FigureForm::Disc:
        return {Op::Circle, 0, {x, y, figure.size, 0.0f}};
    case FigureForm::LineAlongX:
        return lineCall(x, y, turn.apply(1.0f, 0.0f), lineReach(figure, fields.text));
    case FigureForm::LineAlongY:
        return lineCall(x, y, turn.apply(0.0f, 1.0f), lineReach(figure, fields.text));
    case FigureForm::Corners:
        break;
    }
    return {};
}

} // namespace

SymbolCall symbolCall(const SceneRow& row, const MapSymbol& symbol, const TurnedFigure& figure) {
    SymbolCall call =
        figure.figure->form == FigureForm::Corners ? cornersCall(row) : pointCall(row, figure);
    call.symbol = static_cast<std::uint8_t>(&symbol - kMapSymbols.data());
    return call;
}

std::array<MapPoint, 4> turnedCorners(const SymbolCall& call) {
    const Figure& box = kMapSymbols[call.symbol].facingY;
    const auto& v = call.values;
    const MapTurn turn{v[2], v[3]};
    const auto corner = [&](float dx, float dy) {
        const MapPoint offset = turn.apply(dx, dy);
        return MapPoint{v[0] + offset.x, v[1] + offset.y};
    };
    return {corner(box.x1, box.y1), corner(box.x2, box.y1), corner(box.x2, box.y2),
            corner(box.x1, box.y2)};
}

void drawCall(const SymbolCall& call, Canvas& canvas) {
    const Rgb colour = kMapSymbols[call.symbol].colour;
    const auto& v = call.values;
    switch (call.op) {
    case Op::FillRect:
        canvas.fillRect(v[0], v[1], v[2], v[3], colour);
        break;
    case Op::Line:
        canvas.line(v[0], v[1], v[2], v[3], colour);
        break;
    case Op::Circle:
        canvas.setFillSolid();
        canvas.setFillColour(colour);
        canvas.circle(v[0], v[1], v[2], colour);
        break;
    case Op::TurnedBox:
        canvas.fillPolygon(turnedCorners(call), colour);
        break;
    case Op::None:
    case Op::Hidden:
        break;
    }
}

void drawSymbol(const SceneRow& row, const MapSymbol& symbol, const TurnedFigure& figure,
                Canvas& canvas) {
    drawCall(symbolCall(row, symbol, figure), canvas);
}

} // namespace norvane
