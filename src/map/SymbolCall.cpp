#include "SymbolCall.h"

#include "MapNumber.h"

namespace norvane {

namespace {

using Op = SymbolCall::Op;

SymbolCall cornersCall(const SceneRow& row) {
    const auto x1 = mapNumber(row.list3), y1 = mapNumber(row.list4);
    const auto x2 = mapNumber(row.list5), y2 = mapNumber(row.list6);
    if (!x1 || !y1 || !x2 || !y2)
        return {};
    return {Op::FillRect, 0, {*x1, *y1, *x2, *y2}};
}

SymbolCall pointCall(const SceneRow& row, const Figure& figure) {
    const auto px = mapNumber(row.list3), py = mapNumber(row.list4);
    if (!px || !py)
        return {};
    const float x = *px, y = *py;
    switch (figure.form) {
    case FigureForm::Box:
        return {Op::FillRect, 0, {x + figure.x1, y + figure.y1, x + figure.x2, y + figure.y2}};
    case FigureForm::Disc:
        return {Op::Circle, 0, {x, y, figure.size, 0.0f}};
    case FigureForm::LineAlongX: {
        const float reach = lineReach(figure, row.list7);
        return {Op::Line, 0, {x - reach, y, x + reach, y}};
    }
    case FigureForm::LineAlongY: {
        const float reach = lineReach(figure, row.list7);
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
