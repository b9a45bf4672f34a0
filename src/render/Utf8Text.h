#pragma once

#include <QString>

#include <string_view>

// A scene value (exact UTF-8 bytes) as Qt text.
inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
