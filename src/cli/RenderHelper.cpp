#include "HelperMain.h"
#include "RenderCommand.h"

// norvane-cli-render: norvane-cli runs its "render" command here, so that norvane-cli itself
// needs no Qt. It links QtGui alone and so starts sooner than the 3D view's helper.
int main(int argc, char** argv) {
    return norvane::cli::runHelperMain(argc, argv, "render", norvane::cli::runRender);
}
