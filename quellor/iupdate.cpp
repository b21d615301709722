// The library's only export and its entry point.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "fetch_version_file.h"
#include "update_decision.h"
#include "update_dialogs.h"
#include "update_texts.h"

namespace {

// Long enough for a slow server, short enough that a stuck one does not hold up the caller.
constexpr DWORD kDownloadDeadlineMs = 15000;

}  // namespace

extern "C" std::int32_t __cdecl iUpdate(const char* version_file_url, std::int32_t selector,
                                        const char* own_build, std::int32_t quiet) {
  using quellor::UpdateDecision;
  if (!version_file_url) return 0;
  const std::optional<std::string> version_file =
      quellor::FetchVersionFile(version_file_url, kDownloadDeadlineMs);
  if (!version_file) return 0;  // network failures are silent

  const UpdateDecision decision =
      quellor::DecideUpdate(*version_file, selector, own_build ? own_build : "", quiet);
  switch (decision.say) {
    case UpdateDecision::Say::kNothing:
      break;
    case UpdateDecision::Say::kUpToDate:
      quellor::ShowUpdateBox(quellor::kUpToDateText, MB_ICONINFORMATION);
      break;
    case UpdateDecision::Say::kNewerBuild:
      if (quellor::ShowUpdateBox(decision.question, MB_ICONINFORMATION | MB_YESNO) == IDYES) {
        quellor::OpenPage(decision.page_address);
      }
      break;
  }
  return 0;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
