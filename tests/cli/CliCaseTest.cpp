// Replays the cases of tests/data/cli/cases.txt, which says at its top how they are written,
// against the built norvane-cli.

#include "GoldenFile.h"
#include "ProcessRun.h"
#include "TempDir.h"
#include "TextDiff.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <sstream>

using namespace norvane::test;
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kEscapes = "n\nr\rt\t\"\"\\\\xx";

// Splits at spaces outside quotes (none when `whole`) and decodes \r \n \t \xHH \" \\.
std::vector<std::string> tokensOf(std::string_view line, bool whole) {
    std::vector<std::string> tokens(whole ? 1 : 0);
    bool quoted = false, between = true;
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (!whole && (line[i] == '"' || (line[i] == ' ' && !quoted))) {
            quoted ^= line[i] == '"';
            if (between && line[i] == '"')
                tokens.emplace_back();
            between = line[i] == ' ';
            continue;
        }
        if (std::exchange(between, false) && !whole)
            tokens.emplace_back();
        char c = line[i];
        const auto at = c == '\\' ? kEscapes.find(c = line.at(++i)) : std::string_view::npos;
        if (c == 'x' && at != std::string_view::npos)
            c = static_cast<char>(std::stoi(std::string(line.substr(i + 1, 2)), nullptr, 16)),
            i += 2;
        else if (at != std::string_view::npos)
            c = kEscapes[at + 1];
        tokens.back() += c;
    }
    return tokens;
}

std::string withPlaces(std::string line, const std::string& folder) {
    for (const auto& [name, value] : {std::pair<std::string, std::string>{"$T", folder},
                                      {"$D", dataDir()},
                                      {"$CLI", NORVANE_CLI}})
        for (auto at = line.find(name); at != std::string::npos; at = line.find(name, at))
            line.replace(at, name.size(), value);
    return line;
}

// Why a case that needs `name` cannot run here, or "" when it can; asked of the program once.
std::string missingFor(const std::string& name) {
    static const std::map<std::string, std::string> missing{
        {"render", runProcess(NORVANE_CLI, {}).err.find(" render ") != std::string::npos
                       ? ""
                       : "norvane-cli was built without render"},
        {"web", fs::exists(fs::path(NORVANE_CLI).parent_path() / "x_ite" / "x_ite.min.js")
                    ? ""
                    : "no X_ITE beside norvane-cli (built with NORVANE_WEB off)"}};
    const auto found = missing.find(name);
    return found == missing.end() ? "unknown need " + name : found->second;
}

std::string golden(const std::string& name, const std::string& actual) {
    return goldenText(dataDir() + "/cli/" + name, actual);
}

// Replays one case; returns why it was skipped, or "" when it ran.
std::string replay(const std::vector<std::string>& lines) {
    TempDir dir;
    ProcessResult run;
    std::string status = "0", out, err;
    for (const std::string& raw : lines) {
        const std::string line = withPlaces(raw, dir.path().string());
        const std::string word = line.substr(0, line.find(' '));
        const std::string rest = line.size() > word.size() ? line.substr(word.size() + 1) : "";
        const auto t = tokensOf(rest, word == "out" || word == "err");
        if (word == "needs")
            if (const std::string missing = missingFor(t.at(0)); !missing.empty())
                return missing;
        if (word == "write")
            std::ofstream(t[0], std::ios::binary) << t[1];
        else if (word == "copy")
            fs::copy_file(t[0], t[1]);
        else if (word == "link")
            fs::create_symlink(t[0], t[1]);
        else if (word == "readonly")
            fs::permissions(t[0], fs::perms::owner_read);
        else if (word == "run" || word == "shell")
            run = word == "run" ? runProcess(NORVANE_CLI, t) : runProcess("/bin/sh", {"-c", rest});
        else if (word == "exit")
            status = t[0];
        else if (word == "out" || word == "err")
            (word == "out" ? out : err) += t[0] + "\n";
        else if (word == "stdout" || word == "stderr")
            (word == "stdout" ? out : err) = golden(t[0], word == "stdout" ? run.out : run.err);
        else if (word == "file")
            EXPECT_SAME_TEXT(golden(t[1], fileBytesOr(t[0])), fileBytesOr(t[0])) << t[0];
        else if (word == "holds")
            EXPECT_SAME_TEXT(t[1], fileBytesOr(t[0])) << t[0];
        else if (word == "reads")
            EXPECT_TRUE(readsWithoutWarnings(t[0]));
        else if (word == "names")
            EXPECT_EQ(dir.names(), std::set<std::string>(t.begin(), t.end()));
        else if (word != "needs")
            ADD_FAILURE() << "unknown line: " << raw;
    }
    EXPECT_EQ(std::to_string(run.exitCode), status);
    EXPECT_SAME_TEXT(out, run.out);
    EXPECT_SAME_TEXT(err, run.err);
    return {};
}

} // namespace

TEST(NorvaneCli, EachInvocationGivesItsStatusOutputAndFiles) {
    std::istringstream file(readFile(dataDir() + "/cli/cases.txt") + "\n");
    std::vector<std::string> lines;
    int number = 1;
    std::string skipped;
    for (std::string line; std::getline(file, line); ++number) {
        if (line.empty() && !lines.empty()) {
            const std::string where = "the case ending at line " + std::to_string(number);
            SCOPED_TRACE("cases.txt, " + where);
            if (const std::string missing = replay(std::exchange(lines, {})); !missing.empty())
                skipped += "\n  " + where + ": " + missing;
        } else if (!line.empty() && line[0] != '#') {
            lines.push_back(line);
        }
    }
    if (!skipped.empty())
        GTEST_SKIP() << "cases skipped:" << skipped;
}
