#include "download.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace quellor {
namespace {

constexpr char kAgent[] = "Varnok Quellor";
// Always from the server, never from or into the local cache.
constexpr DWORD kOpenFlags = INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE;
// No chunk needs to be larger than the whole response may be.
constexpr DWORD kMaxChunk = ResponseText::kCapacity + 1;

class Locked {
 public:
  explicit Locked(CRITICAL_SECTION& section) : section_(section) {
    EnterCriticalSection(&section_);
  }
  ~Locked() { LeaveCriticalSection(&section_); }
  Locked(const Locked&) = delete;
  Locked& operator=(const Locked&) = delete;

 private:
  CRITICAL_SECTION& section_;
};

}  // namespace

Download::Download(std::string url) : url_(std::move(url)) { InitializeCriticalSection(&lock_); }

Download::~Download() { DeleteCriticalSection(&lock_); }

void Download::Run() {
  const HINTERNET root =
      Keep(InternetOpenA(kAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0), root_);
  if (root && Keep(InternetOpenUrlA(root, url_.c_str(), nullptr, 0, kOpenFlags, 0), request_)) {
    opened_ = true;
    ReadResponse();
  }
  Close();
}

void Download::Close() {
  HINTERNET request;
  HINTERNET root;
  {
    Locked locked(lock_);
    closed_ = true;
    request = std::exchange(request_, nullptr);
    root = std::exchange(root_, nullptr);
  }
  if (request) InternetCloseHandle(request);
  if (root) InternetCloseHandle(root);
}

HINTERNET Download::Keep(HINTERNET handle, HINTERNET& slot) {
  {
    Locked locked(lock_);
    if (!closed_) {
      slot = handle;
      return handle;
    }
  }
  if (handle) InternetCloseHandle(handle);
  return nullptr;
}

HINTERNET Download::LiveRequest() {
  Locked locked(lock_);
  return request_;
}

void Download::ReadResponse() {
  std::vector<char> chunk;
  for (;;) {
    const HINTERNET request = LiveRequest();
    DWORD available = 0;
    if (!request || !InternetQueryDataAvailable(request, &available, 0, 0) || available == 0) {
      return;
    }
    chunk.resize(std::min(available, kMaxChunk));
    DWORD read = 0;
    if (!InternetReadFile(request, chunk.data(), static_cast<DWORD>(chunk.size()), &read) ||
        read == 0 || !response_.Append(chunk.data(), read)) {
      return;
    }
  }
}

}  // namespace quellor
