#pragma once

class QGuiApplication;

namespace norvane::bench {

// The one application the benchmarks share (a QApplication where the editor's windows are built);
// without a display it runs offscreen and draws no 3D view.
QGuiApplication& application();

} // namespace norvane::bench
