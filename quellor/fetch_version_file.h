#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace quellor {

// Downloads the version file, waiting at most `deadline_ms` for it. Nothing when the address
// could not be opened or the download did not end in time. The download runs on a worker
// thread because WinINet may block far longer than any of its time-outs say.
std::optional<std::string> FetchVersionFile(const char* url, DWORD deadline_ms);

}  // namespace quellor
