// Runs every file under the given directories through the target's entry point once, so that an
// input that once broke a target keeps being tried by every ordinary test run. A broken
// invariant or a sanitizer finding ends the process as it would under libFuzzer.

#include "fuzz_entry.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        std::error_code error;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(argv[i], error))
            if (entry.is_regular_file())
                files.push_back(entry.path());
        if (error) {
            std::fprintf(stderr, "cannot read %s: %s\n", argv[i], error.message().c_str());
            return 2;
        }
    }
    if (files.empty()) {
        std::fprintf(stderr, "no corpus files: usage: %s CORPUS_DIR...\n", argv[0]);
        return 2;
    }
    std::sort(files.begin(), files.end());
    for (const std::filesystem::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)),
                                std::istreambuf_iterator<char>());
        std::fprintf(stderr, "%s\n", file.c_str());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::fprintf(stderr, "%zu inputs passed\n", files.size());
    return 0;
}
