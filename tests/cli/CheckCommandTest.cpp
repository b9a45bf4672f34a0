#include "NorvaneCli.h"
#include "TempDir.h"
#include "TextDiff.h"

#include "platform/AtomicFile.h"

#include <gtest/gtest.h>

#include <string>

using namespace norvane::test;

TEST(CheckCommand, CleanFilePrintsNothingAndExitsZero) {
    const ProcessResult run = runNorvaneCli({"check", dataDir() + "/scenefile/mixed.NSC"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out + run.err, "");
}

TEST(CheckCommand, ProblemsArePrintedWithLinesAndExitOne) {
    TempDir dir;
    const std::string scene = dir.file("bad.nsc").string();
    norvane::writeFileAtomically(scene,
                                 crlf({"Tree", " 1", "y", "45", "", "", "Street", "9", "0", "1",
                                       "0", "", "Roof", " 1", " 1", "0", "", "", "Tree"}));
    const ProcessResult run = runNorvaneCli({"check", scene});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_SAME_TEXT("3: row 1: Y is not a number: \"y\"\n"
                     "4: row 1: Orientation is not one of 0, 3.14, 1.57, -1.57: \"45\"\n"
                     "10: row 2: X2 is less than X1: \"1\" < \"9\"\n"
                     "13: row 3: Unknown object kind \"Roof\"\n"
                     "19: row 4: Incomplete object at the end of the file: 1 of 6 lines\n",
                     run.out);
    EXPECT_EQ(run.err, "");
}

TEST(CheckCommand, UnreadableFileExitsTwo) {
    TempDir dir;
    const std::string missing = dir.file("missing.NSC").string();
    ProcessResult run = runNorvaneCli({"check", missing});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "norvane-cli: Cannot read " + missing + ": No such file or directory\n");
    run = runNorvaneCli({"check", dir.path().string()});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "norvane-cli: Cannot read " + dir.path().string() + ": Is a directory\n");
    EXPECT_EQ(run.out, "");
    // Endless input ends at its first chunk instead of filling memory.
    run = runNorvaneCli({"check", "/dev/zero"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.err, "norvane-cli: Cannot read /dev/zero: it is not a Norvane scene file\n");
}
