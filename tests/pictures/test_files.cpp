#include "test_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace pictures::test {

std::string fixture(const std::string& name) { return std::string(PICTURES_FIXTURES) + "/" + name; }

std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("no test file " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string writeScratch(const std::string& name, const std::vector<uint8_t>& bytes) {
  const auto dir = std::filesystem::temp_directory_path() / "pictures_tests";
  std::filesystem::create_directories(dir);
  const std::string path = (dir / name).string();
  std::ofstream(path, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  return path;
}

}  // namespace pictures::test
