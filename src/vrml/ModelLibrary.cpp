#include "ModelLibrary.h"

#include "scene/Error.h"

#include <string>

namespace norvane {

std::string_view modelBody(std::size_t entry) {
    if (entry >= kModelCount)
        throw Error("There is no model number " + std::to_string(entry) + ".");
    return "\r\n";
}

} // namespace norvane
