#include "CommandTable.h"

#include "CheckCommand.h"
#include "ExportCommand.h"
#include "HelperStart.h"
#include "PreviewFileCommand.h"
#include "WebPageCommand.h"

namespace norvane::cli {

namespace {

constexpr Command kCommands[] = {
    {"export",
     "export SCENE.NSC OUT.wrl|OUT.x3d|OUT.x3dv|OUT.glb|OUT.wrz [--sky \"Night Sky\"] [--music "
     "FILE.wav] "
     "[--target FRAME] [--format wrl|x3d|x3dv|glb|wrz] [--report]",
     "Writes the world of a scene file: VRML 2.0 (.wrl, also for a name without an extension), "
     "X3D (.x3d), X3D ClassicVRML (.x3dv), glTF 2.0 binary (.glb, with the textures inside) or "
     "VRML 2.0 compressed with gzip (.wrz), "
     "chosen by the extension in any case or by --format. "
     "--sky: \"Blue Sky\" (default), \"Night Sky\", \"Black\" or \"White\"; --music: looping "
     "sound named by its file name after the last / or \\; --target: frame that every "
     "hyperlink opens in; --report: prints on standard error what the format loses of the "
     "scene. Line breaks in a value are dropped at its ends and become one space inside.",
     runExport},
    {"preview-file", "preview-file SCENE.NSC OUT.wrl",
     "Writes the world exactly as the editor's preview does (blue sky, no music, no target).",
     runPreviewFile},
    {"webpage",
     "webpage SCENE.NSC DIR [--sky NAME] [--music FILE.wav] [--target FRAME] [--title TEXT] "
     "[--page NAME.html] [--description TEXT] [--embed] [--aspect W:H] [--no-vr] "
     "[--format wrl|wrz|x3d|glb]",
     "Writes a web page that shows the world into DIR (made when missing): the page (--page, "
     "default index.html; --title, default the scene file's name), the world beside it with the "
     "same stem, the five textures, the music file and X_ITE's files in x_ite/. Other files in DIR "
     "are left alone. --sky, --music and --target as for export. --description: what screen "
     "readers announce for the world (default: the title and a count of the objects by kind); "
     "--embed: also embed.html, the snippet to paste into a page of your own, in a box of "
     "--aspect (default 4:3); --no-vr: offers no \"Enter VR\"; --format: the world's format "
     "(default wrl; wrz is the same world compressed; a glb carries the textures inside).",
     runWebPage},
    {"check", "check SCENE.NSC",
     "Prints \"LINE: row ROW: message\" for every problem of a scene file; exit status 1 when "
     "there are "
     "any.",
     runCheck},
// Built with Qt, the commands that paint run in helper programs.
#ifdef NORVANE_HAVE_QT_HELPERS
    {"render", "render SCENE.NSC OUT.png [--zoom 100|200|400 | --size PIXELS]",
     "Writes the map picture of a scene file as the editor paints it at that zoom (default 100), "
     "or PIXELS wide and high (16 to 4096) for a thumbnail.",
     runRenderInHelper},
    {"snapshot", "snapshot SCENE.NSC OUT.png [--size 800x600] [--sky NAME]",
     "Writes the 3D view of a scene file from the starting point, as the editor's 3D view shows "
     "it. Needs a display with OpenGL: run it under xvfb-run where there is none.",
     runSnapshotInHelper},
#endif
};

} // namespace

std::span<const Command> commands() {
    return kCommands;
}

const Command* findCommand(std::string_view name) {
    for (const Command& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

} // namespace norvane::cli
