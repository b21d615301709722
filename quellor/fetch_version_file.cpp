#include "fetch_version_file.h"

#include <memory>

#include "download.h"

namespace quellor {
namespace {

// What a worker thread owns: its share of the download and a reference to this library, so
// that the caller may free the library while a worker that it gave up on is still blocked.
struct Worker {
  std::shared_ptr<Download> download;
  HMODULE library;
};

DWORD WINAPI RunWorker(void* param) {
  HMODULE library;
  {
    const std::unique_ptr<Worker> worker(static_cast<Worker*>(param));
    library = worker->library;
    worker->download->Run();
  }
  FreeLibraryAndExitThread(library, 0);
}

HMODULE ReferenceThisLibrary() {
  HMODULE library = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&RunWorker),
                     &library);
  return library;
}

}  // namespace

std::optional<std::string> FetchVersionFile(const char* url, DWORD deadline_ms) {
  const auto download = std::make_shared<Download>(url);
  auto worker = std::make_unique<Worker>(Worker{download, ReferenceThisLibrary()});
  if (!worker->library) return std::nullopt;
  const HANDLE thread = CreateThread(nullptr, 0, RunWorker, worker.get(), 0, nullptr);
  if (!thread) {
    FreeLibrary(worker->library);
    return std::nullopt;
  }
  worker.release();  // the thread owns it now

  const bool ended = WaitForSingleObject(thread, deadline_ms) == WAIT_OBJECT_0;
  CloseHandle(thread);
  if (!ended) {
    download->Close();
    return std::nullopt;
  }
  if (!download->Opened()) return std::nullopt;
  return std::string(download->Response().Text());
}

}  // namespace quellor
