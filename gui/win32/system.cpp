#include <ctime>
#include <vector>

#include "core/errors.h"
#include "gui/win32/controls.h"
#include "gui/win32/text.h"
#include "gui/win32/win32_gui.h"
#include "pictures/files.h"

namespace win32 {
namespace {

constexpr DWORD kProfileBuffer = 2048;

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (valid()) CloseHandle(handle_);
  }
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  void close() {
    if (valid()) CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
  }

 private:
  HANDLE handle_;
};

bool writeAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      return false;
    }
    done += written;
  }
  return FlushFileBuffers(file) != FALSE;
}

}  // namespace

int System::messageBox(const gui::Form* owner, const gui::MixedText& text,
                       const std::string& caption, unsigned flags) {
  std::wstring wide;
  for (const auto& piece : text) wide += widen(piece.bytes, piece.kind);
  return MessageBoxW(owner ? windowOf(owner) : nullptr, wide.c_str(),
                     widen(caption, gui::TextKind::SystemAnsi).c_str(), flags);
}

std::string System::programPath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

bool System::fileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool System::folderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::vector<System::FolderEntry> System::listFolder(const std::string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return entries;
  do {
    std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    entries.push_back({name, (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0});
  } while (FindNextFileA(search, &found));
  FindClose(search);
  return entries;
}

std::string System::readFile(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  LARGE_INTEGER size{};
  if (!file.valid() || !GetFileSizeEx(file.get(), &size)) {
    throw core::FileError("Cannot open file " + path);
  }
  std::string bytes;
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    DWORD read = 0;
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    if (!ReadFile(file.get(), bytes.data() + done, chunk, &read, nullptr)) {
      throw core::FileError("Cannot open file " + path);
    }
    if (read == 0) break;
    done += read;
  }
  bytes.resize(done);
  return bytes;
}

// The new bytes go to a file beside the old one, which is replaced only once they are all on
// disk: a failed write or a crash leaves the old list whole.
void System::writeFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + ".new~";
  FileHandle file(CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw core::FileError("Cannot create file " + path);
  bool written = writeAll(file.get(), bytes);
  file.close();
  if (!written || !MoveFileExA(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temporary.c_str());
    throw core::FileError("Cannot create file " + path);
  }
}

std::pair<int, int> System::pictureSize(const std::string& path) {
  pictures::Size size = pictures::probePictureSize(path);
  return {static_cast<int>(size.width), static_cast<int>(size.height)};
}

std::uint32_t System::secondsNow() { return static_cast<std::uint32_t>(std::time(nullptr)); }

std::string System::read(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) {
  char value[kProfileBuffer] = {};
  DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), value,
                                          kProfileBuffer, path.c_str());
  return std::string(value, length);
}

bool System::write(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) {
  return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()) !=
         FALSE;
}

}  // namespace win32
