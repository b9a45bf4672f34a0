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

SymbolCall pointCall(const SceneRow& row, const Figure& figure) {
    const PointFields fields = pointFields(row);
    const auto place = mapPlace(fields);
    if (!place)
        return {};
    const float x = place->x, y = place->y;
    switch (figure.form) {
    case FigureForm::Box:
        return {Op::FillRect, 0, {x + figure.x1, y + figure.y1, x + figure.x2, y + figure.y2}};
    case FigureForm::Disc:
        return {Op::Circle, 0, {x, y, figure.size, 0.0f}};
    case FigureForm::LineAlongX: {
        const float reach = lineReach(figure, fields.text);
        return {Op::Line, 0, {x - reach, y, x + reach, y}};
    }
    case FigureForm::LineAlongY: {
        const float reach = lineReach(figure, fields.text);
        return {Op::Line, 0, {x, y - reach, x, y + reach}};
    }
    case FigureForm::Corners:
        break;
    }
    return {};
}

} // namespace

SymbolCall symbolCall(const SceneRow& row, const MapSymbol& symbol, const Figure& figure) {
    SymbolCall call =
        figure.form == FigureForm::Corners ? cornersCall(row) : pointCall(row, figure);
    call.symbol = static_cast<std::uint8_t>(&symbol - kMapSymbols.data());
    return call;
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
    case Op::None:
    case Op::Hidden:
        break;
    }
}

void drawSymbol(const SceneRow& row, const MapSymbol& symbol, const Figure& figure,
                Canvas& canvas) {
    drawCall(symbolCall(row, symbol, figure), canvas);
}

} // namespace norvane
