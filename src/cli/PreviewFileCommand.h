#pragma once

#include <string>
#include <vector>

namespace norvane::cli {

// preview-file SCENE.NSC OUT.wrl: writes exactly the world the editor's preview would write.
// Returns the exit status; throws CliError on bad usage, files or scene.
int runPreviewFile(const std::vector<std::string>& args);

} // namespace norvane::cli
