#include "WorldFormats.h"

#include "X3dWorldWriter.h"

#include <algorithm>
#include <cctype>

namespace norvane {

namespace {

bool sameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

const std::array<WorldFormat, 3> kFormats{{
    {"wrl", "VRML 2.0", ".wrl", "VRML 2.0 Files (*.wrl)", writeWorld},
    {"x3d", "X3D", ".x3d", "X3D Files (*.x3d)", writeX3dXmlWorld},
    {"x3dv", "X3D ClassicVRML", ".x3dv", "X3D ClassicVRML Files (*.x3dv)", writeX3dClassicWorld},
}};

} // namespace

const std::array<WorldFormat, 3>& worldFormats() {
    return kFormats;
}

const WorldFormat* worldFormatNamed(std::string_view name) {
    const auto found = std::find_if(kFormats.begin(), kFormats.end(), [name](const WorldFormat& f) {
        return sameLetters(f.name, name);
    });
    return found == kFormats.end() ? nullptr : &*found;
}

const WorldFormat* worldFormatOf(std::string_view path) {
    const std::string_view name = path.substr(path.find_last_of('/') + 1);
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0)
        return &kFormats.front();
    const std::string_view extension = name.substr(dot);
    const auto found =
        std::find_if(kFormats.begin(), kFormats.end(), [extension](const WorldFormat& f) {
            return sameLetters(f.extension, extension);
        });
    return found == kFormats.end() ? nullptr : &*found;
}

} // namespace norvane
