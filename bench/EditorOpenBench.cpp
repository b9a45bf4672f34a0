// Opening a big scene in the real editor. The program is started once on no scene and once on the
// scene file, each quitting as soon as its main window has started (NORVANE_EXIT_AFTER_START);
// the difference is what opening the scene costs, beyond the splash and Qt's own start.
#ifdef NORVANE_EDITOR

#include "SceneFileOnDisk.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

struct ProgramRun {
    bool ok = false;
    double seconds = 0.0;
    double peakMB = 0.0;
};

// The environment of this process with `overrides` ("NAME=value") in place of its own values.
std::vector<std::string> environmentWith(const std::vector<std::string>& overrides) {
    std::vector<std::string> result(overrides);
    for (char** entry = environ; *entry; ++entry) {
        const std::string text(*entry);
        const std::string name = text.substr(0, text.find('=') + 1);
        bool overridden = false;
        for (const std::string& own : overrides)
            overridden = overridden || own.starts_with(name);
        if (!overridden)
            result.push_back(text);
    }
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

// Runs the editor with `arguments`, its output discarded; its wall time and peak memory.
ProgramRun runEditor(std::vector<std::string> arguments, const std::vector<std::string>& env) {
    arguments.insert(arguments.begin(), NORVANE_EDITOR);
    std::vector<std::string> environment = environmentWith(env);
    const std::vector<char*> argv = pointersTo(arguments);
    const std::vector<char*> envp = pointersTo(environment);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    ProgramRun run;
    if (posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), envp.data()) == 0) {
        int status = 0;
        struct rusage usage {};
        run.ok = ::wait4(child, &status, 0, &usage) == child && WIFEXITED(status) &&
                 WEXITSTATUS(status) == 0;
        run.peakMB = double(usage.ru_maxrss) / 1024.0;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

void BM_EditorOpen1MMixed(benchmark::State& state, const char* platform, const char* display) {
    const std::string& scene = norvane::bench::mixedSceneFile(1'000'000);
    const std::filesystem::path settings = norvane::bench::temporaryPath("settings");
    std::filesystem::create_directories(settings);
    const std::vector<std::string> env{
        "NORVANE_EXIT_AFTER_START=1", std::string("QT_QPA_PLATFORM=") + platform,
        "XDG_CONFIG_HOME=" + settings.string(), std::string("DISPLAY=") + (display ? display : "")};
    for (auto _ : state) {
        const ProgramRun empty = runEditor({}, env);
        const ProgramRun opened = runEditor({scene}, env);
        if (!empty.ok || !opened.ok) {
            state.SkipWithError("the editor did not start (no display for xcb?)");
            break;
        }
        state.SetIterationTime(opened.seconds - empty.seconds);
        state.counters["peak_MB"] = opened.peakMB;
        state.counters["more_MB"] = opened.peakMB - empty.peakMB;
    }
    std::filesystem::remove_all(settings);
}

} // namespace

// Without OpenGL (the offscreen platform with no X display to borrow it from) the 3D dock only
// says so: the scene, the map and the list.
BENCHMARK_CAPTURE(BM_EditorOpen1MMixed, NoOpenGL, "offscreen", "")
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
// With the 3D view shown (make bench runs under Xvfb, where Mesa draws).
BENCHMARK_CAPTURE(BM_EditorOpen1MMixed, With3DView, "xcb", std::getenv("DISPLAY"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

#endif
