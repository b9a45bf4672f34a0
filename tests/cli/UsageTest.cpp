#include "NorvaneCli.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace norvane::test;

namespace {

struct UsageCase {
    std::vector<std::string> args;
    std::string err;
};

} // namespace

TEST(Usage, BadUsageExitsTwoWithOneLineReason) {
    const std::vector<UsageCase> cases = {
        {{"frobnicate"}, "unknown command \"frobnicate\" (see norvane-cli --help)"},
        {{"export", "a.NSC"},
         "export: expected 2 file names, got 1 (see norvane-cli export --help)"},
        {{"export", "a", "b", "c"},
         "export: expected 2 file names, got 3 (see norvane-cli export --help)"},
        {{"export", "a", "b", "--colour", "red"},
         "export: unknown option --colour (see norvane-cli export --help)"},
        {{"export", "a", "b", "--sky"},
         "export: --sky needs a value (see norvane-cli export --help)"},
        {{"export", "a", "b", "--music", "x.wav", "--music=y.wav"},
         "export: --music is given twice (see norvane-cli export --help)"},
        {{"export", "a", "b", "--sky", "blue sky"},
         "export: unknown sky \"blue sky\" (choose \"Blue Sky\", \"Night Sky\", \"Black\" or "
         "\"White\")"},
        {{"preview-file", "a"},
         "preview-file: expected 2 file names, got 1 (see norvane-cli preview-file --help)"},
        {{"preview-file", "a", "b", "--sky", "Night Sky"},
         "preview-file: unknown option --sky (see norvane-cli preview-file --help)"},
        {{"check"}, "check: expected 1 file name, got 0 (see norvane-cli check --help)"},
    };
    for (const UsageCase& c : cases) {
        const ProcessResult run = runNorvaneCli(c.args);
        EXPECT_EQ(run.exitCode, 2) << c.args[0];
        EXPECT_EQ(run.err, "norvane-cli: " + c.err + "\n");
        EXPECT_EQ(run.out, "");
    }
}

TEST(Usage, NoArgumentsPrintsHelpToStderr) {
    const ProcessResult run = runNorvaneCli({});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err.rfind("usage: norvane-cli COMMAND", 0), 0u) << run.err;
}

// The general help lists every command's usage line; each command's own help starts with it.
TEST(Usage, HelpGoesToStdoutAndShowsEachCommand) {
    const std::vector<std::pair<std::string, std::string>> commands = {
        {"export", "norvane-cli export SCENE.NSC OUT.wrl [--sky \"Night Sky\"] [--music FILE.wav] "
                   "[--target FRAME]\n"},
        {"preview-file", "norvane-cli preview-file SCENE.NSC OUT.wrl\n"},
        {"check", "norvane-cli check SCENE.NSC\n"},
    };
    for (const char* word : {"--help", "help", "-h"}) {
        const ProcessResult run = runNorvaneCli({word});
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.err, "");
        for (const auto& [command, line] : commands)
            EXPECT_NE(run.out.find("  " + line), std::string::npos) << word << ": " << line;
    }
    for (const auto& [command, line] : commands) {
        for (const auto& args : {std::vector<std::string>{command, "--help"},
                                 std::vector<std::string>{"help", command}}) {
            const ProcessResult run = runNorvaneCli(args);
            EXPECT_EQ(run.exitCode, 0);
            EXPECT_EQ(run.out.rfind("usage: " + line, 0), 0u) << run.out;
            EXPECT_EQ(run.err, "");
        }
    }
}
