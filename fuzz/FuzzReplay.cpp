// A main for the fuzzers in ordinary builds: runs the fuzz entry point once on every file named
// on the command line, or on every file in a named folder, so that the seeds and any saved
// crash replay as a test (under the sanitizers too). Exits non-zero when a file cannot be read.
#include "platform/AtomicFile.h"
#include "scene/Error.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

// The files to replay for one argument, in name order.
std::vector<std::string> inputsOf(const std::filesystem::path& argument) {
    std::vector<std::string> files;
    if (!std::filesystem::is_directory(argument))
        return {argument.string()};
    for (const auto& entry : std::filesystem::directory_iterator(argument))
        if (entry.is_regular_file())
            files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv) {
    try {
        for (int i = 1; i < argc; ++i) {
            for (const std::string& file : inputsOf(argv[i])) {
                const std::string bytes = norvane::readWholeFile(file);
                LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                       bytes.size());
                std::cout << "replayed " << file << '\n';
            }
        }
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return 1;
    }
    return 0;
}
