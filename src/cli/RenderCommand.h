#pragma once

#include <string>
#include <vector>

class QImage;

namespace norvane::cli {

// render SCENE.NSC OUT.png [--zoom 100|200|400 | --size PIXELS]: writes the map picture of the
// scene file as the editor paints it at that zoom (100 % when not given), or PIXELS wide and high
// (16 to 4096, for thumbnails). Returns the exit status; throws CliError on bad usage or files.
int runRender(const std::vector<std::string>& args);

// Writes `picture` to `path` as a PNG file. Throws CliError(kExitUsage) when it cannot.
void writePictureFile(const std::string& path, const QImage& picture);

} // namespace norvane::cli
