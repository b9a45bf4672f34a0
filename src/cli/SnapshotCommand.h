#pragma once

#include <string>
#include <vector>

namespace norvane::cli {

// snapshot SCENE.NSC OUT.png [--size WxH] [--sky NAME]: writes the 3D view of the scene from the
// starting point. Needs a display with OpenGL (for example under xvfb-run); without one it fails
// with a one-line reason. Returns the exit status; throws CliError on bad usage or files.
int runSnapshot(const std::vector<std::string>& args);

} // namespace norvane::cli
