#include "Cli.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

// norvane-cli: batch work on scene files without the editor. See `norvane-cli --help`.
int main(int argc, char** argv) {
    try {
        return norvane::cli::runCli(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        std::cerr << "norvane-cli: " << error.what() << '\n';
        return 2;
    }
}
