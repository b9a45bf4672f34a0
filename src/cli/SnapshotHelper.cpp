#include "HelperMain.h"
#include "SnapshotCommand.h"

// norvane-cli-snapshot: norvane-cli runs its "snapshot" command here, with Qt Quick 3D, so that
// norvane-cli itself needs no Qt.
int main(int argc, char** argv) {
    return norvane::cli::runHelperMain(argc, argv, "snapshot", norvane::cli::runSnapshot);
}
