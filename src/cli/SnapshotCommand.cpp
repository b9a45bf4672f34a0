// Built only with the Qt render library, which draws the 3D view.
#ifdef NORVANE_HAVE_QTCANVAS

#include "SnapshotCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "RenderCommand.h"
#include "SceneInput.h"

#include "render/WorldSnapshot.h"

#include <QGuiApplication>

#include <array>
#include <charconv>
#include <cstdlib>
#include <memory>

namespace norvane::cli {

namespace {

constexpr std::array<std::string_view, 2> kOptions{"--size", "--sky"};
constexpr int kLargestSide = 8192;

[[noreturn]] void fail(int status, const std::string& reason) {
    throw CliError(status, "snapshot: " + reason);
}

int side(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? value : 0;
}

QSize sizeFrom(const std::string& text) {
    const std::size_t x = text.find('x');
    const int width = x == std::string::npos ? 0 : side(std::string_view(text).substr(0, x));
    const int height = x == std::string::npos ? 0 : side(std::string_view(text).substr(x + 1));
    if (width < 1 || height < 1 || width > kLargestSide || height > kLargestSide)
        fail(kExitUsage, "--size must be WIDTHxHEIGHT in pixels (1 to 8192), not \"" + text + "\"");
    return {width, height};
}

// QGuiApplication ends the process when it cannot reach a display, so look first.
bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

void requireDisplay() {
    if (!isSet("QT_QPA_PLATFORM") && !isSet("DISPLAY") && !isSet("WAYLAND_DISPLAY"))
        fail(kExitUsage, "needs a display with OpenGL; run it under xvfb-run");
}

std::unique_ptr<QGuiApplication> startGui() {
    static int argc = 1;
    static char name[] = "norvane-cli";
    static char* argv[] = {name, nullptr};
    requireDisplay();
    auto app = std::make_unique<QGuiApplication>(argc, argv);
    if (!canDraw3D())
        fail(kExitUsage, "this display offers no OpenGL; run it under xvfb-run");
    return app;
}

} // namespace

int runSnapshot(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("snapshot", args, kOptions, 2);
    const QSize size = sizeFrom(parsed.option("--size", "800x600"));
    Scene scene = loadSceneFile(parsed.positional[0]);
    const auto app = startGui();
    const QImage picture =
        worldSnapshot(scene, QString::fromStdString(parsed.option("--sky", "Blue Sky")), size);
    if (picture.isNull())
        fail(kExitUsage, "the 3D view could not be drawn");
    writePictureFile(parsed.positional[1], picture);
    return kExitSuccess;
}

} // namespace norvane::cli

#endif // NORVANE_HAVE_QTCANVAS
