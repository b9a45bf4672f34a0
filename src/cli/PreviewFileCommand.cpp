#include "PreviewFileCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "ExportCommand.h"
#include "SceneInput.h"
#include "vrml/WorldWriter.h"

namespace norvane::cli {

int runPreviewFile(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("preview-file", args, {}, 2);
    refuseWritingInput(parsed.positional[0], parsed.positional[1]);
    writeWorldFile(parsed.positional[0], parsed.positional[1], WorldOptions{});
    return kExitSuccess;
}

} // namespace norvane::cli
