// Loads quellor.dll the way the program does and runs one update check, answering its message
// boxes. Prints one line per box, then "returned<TAB>ms" when iUpdate is back, then frees the
// library, says "freed" and prints "released<TAB>ms" once the library is unloaded and no thread
// is left but the main one, or "held" if that takes longer than the grace time. A thread that
// outlives the library and crashes shows as "crashed" and exit code 3.
//
// quellor-probe DLL URL SELECTOR OWN_BUILD QUIET ANSWER [GRACE_SECONDS]
#include <windows.h>
// tlhelp32.h needs windows.h before it.
#include <tlhelp32.h>

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

LONG WINAPI ReportCrash(EXCEPTION_POINTERS*) {
  std::printf("crashed\n");
  std::fflush(stdout);
  TerminateProcess(GetCurrentProcess(), 3);
  return EXCEPTION_EXECUTE_HANDLER;
}

int ThreadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry = {};
  entry.dwSize = sizeof entry;
  int threads = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++threads;
  }
  CloseHandle(snapshot);
  return threads;
}

// FreeLibrary only drops our reference: a worker that is still running holds its own.
void WaitUntilLetGo(const char* module_name, DWORD grace_ms) {
  const ULONGLONG since = GetTickCount64();
  while (GetModuleHandleA(module_name) || ThreadsOfThisProcess() > 1) {
    if (ElapsedMs(since) > grace_ms) {
      std::printf("held\n");
      return;
    }
    Sleep(20);
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
  SetUnhandledExceptionFilter(ReportCrash);
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
  std::printf("freed\n");
  std::fflush(stdout);
  WaitUntilLetGo("quellor.dll", grace_ms);
  return 0;
}
