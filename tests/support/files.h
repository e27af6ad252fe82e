#pragma once

#include <filesystem>
#include <set>
#include <string>
#include <string_view>

namespace testkit {

// Writes the bytes as the whole file, making its directories; throws std::runtime_error when the
// file cannot be written.
void WriteFile(const std::filesystem::path& path, std::string_view bytes);
// The whole file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);
// Every file, directory and link below root, relative to it; links are listed, not followed.
std::set<std::string> EntriesUnder(const std::filesystem::path& root);

} // namespace testkit
