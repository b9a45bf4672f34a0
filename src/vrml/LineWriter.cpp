#include "LineWriter.h"

#include "VrmlString.h"
#include "scene/NumberText.h"

namespace norvane {

void LineWriter::put(Quoted quoted) {
    m_out += '"';
    appendEscapedVrmlString(m_out, quoted.text);
    m_out += '"';
}

void LineWriter::put(Number number) {
    char text[kLongestDecimalText];
    m_out.append(text, writeDecimalText(text, number.value));
}

} // namespace norvane
