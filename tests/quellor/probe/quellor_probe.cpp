// Loads quellor.dll the way the program does and runs one update check, answering its message
// boxes. Prints one line per box, then "returned<TAB>ms" when iUpdate is back, then
// "released<TAB>ms" once the library is gone from the process after FreeLibrary (a worker that
// still holds it keeps it loaded), or "held" if it is still loaded after the grace time.
//
// quellor-probe DLL URL SELECTOR OWN_BUILD QUIET ANSWER [GRACE_SECONDS]
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "box_watcher.h"

namespace {

using UpdateProc = std::int32_t(__cdecl*)(const char*, std::int32_t, const char*, std::int32_t);

ULONGLONG ElapsedMs(ULONGLONG since) { return GetTickCount64() - since; }

void Report(const char* what, ULONGLONG ms) {
  std::printf("%s\t%llu\n", what, ms);
  std::fflush(stdout);
}

// FreeLibrary only drops our reference: the library stays mapped while a worker holds its own.
void WaitUntilUnloaded(const char* module_name, DWORD grace_ms) {
  const ULONGLONG since = GetTickCount64();
  while (GetModuleHandleA(module_name)) {
    if (ElapsedMs(since) > grace_ms) {
      std::printf("held\n");
      return;
    }
    Sleep(50);
  }
  Report("released", ElapsedMs(since));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 7) {
    std::fprintf(stderr, "usage: %s DLL URL SELECTOR OWN_BUILD QUIET ANSWER [GRACE_SECONDS]\n",
                 argv[0]);
    return 2;
  }
  const HMODULE library = LoadLibraryA(argv[1]);
  // Through the generic function type that GCC accepts for casts between function types.
  const auto update = library ? reinterpret_cast<UpdateProc>(reinterpret_cast<void (*)()>(
                                    GetProcAddress(library, "iUpdate")))
                              : nullptr;
  if (!update) {
    std::fprintf(stderr, "cannot bind iUpdate in %s\n", argv[1]);
    return 1;
  }
  const auto selector = static_cast<std::int32_t>(std::strtol(argv[3], nullptr, 0));
  const auto quiet = static_cast<std::int32_t>(std::strtol(argv[5], nullptr, 0));
  const DWORD grace_ms = argc > 7 ? static_cast<DWORD>(std::atoi(argv[7])) * 1000 : 5000;
  {
    BoxWatcher watcher(argv[6]);
    const ULONGLONG since = GetTickCount64();
    update(argv[2], selector, argv[4], quiet);
    Report("returned", ElapsedMs(since));
  }
  FreeLibrary(library);
  WaitUntilUnloaded("quellor.dll", grace_ms);
  return 0;
}
