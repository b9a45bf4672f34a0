#include "CheckCommand.h"

#include "Arguments.h"
#include "CliError.h"
#include "SceneInput.h"
#include "scenefile/SceneCheck.h"

#include <iostream>

namespace norvane::cli {

int runCheck(const std::vector<std::string>& args) {
    const Arguments parsed = parseArguments("check", args, {}, 1);
    const std::vector<Problem> problems = checkSceneText(readInputFile(parsed.positional[0]));
    for (const Problem& problem : problems)
        std::cout << problem.line << ": row " << rowOfLine(problem.line) << ": " << problem.message
                  << '\n';
    return problems.empty() ? kExitSuccess : kExitBadScene;
}

} // namespace norvane::cli
