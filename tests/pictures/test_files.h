// Helpers for the picture tests: fixture paths, whole files, scratch files.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pictures::test {

std::string fixture(const std::string& name);
std::vector<uint8_t> readFile(const std::string& path);
// A file in the test's scratch folder holding bytes; returns its path.
std::string writeScratch(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace pictures::test
