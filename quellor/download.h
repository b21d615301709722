#pragma once

#include <windows.h>
#include <wininet.h>

#include <string>

#include "response_text.h"

namespace quellor {

// One HTTP download of the version file. Run() works on a worker thread while the caller waits;
// a caller that stops waiting calls Close() to abort it. Close() and Run() may race: every
// internet handle is taken out of this object under the lock and closed exactly once, by the
// thread that took it.
class Download {
 public:
  explicit Download(std::string url);
  ~Download();
  Download(const Download&) = delete;
  Download& operator=(const Download&) = delete;

  // The whole download, blocking. Appends what it reads to the response.
  void Run();

  // Closes the internet handles, which makes a WinINet call that blocks in Run() return, and
  // keeps Run() from using or keeping any handle after that.
  void Close();

  // Meaningful once Run() has returned.
  bool Opened() const { return opened_; }
  const ResponseText& Response() const { return response_; }

 private:
  // Stores a handle that Run() has just been given, unless Close() came first: then the handle
  // is closed and null returned.
  HINTERNET Keep(HINTERNET handle, HINTERNET& slot);
  HINTERNET LiveRequest();
  void ReadResponse();

  const std::string url_;
  CRITICAL_SECTION lock_;
  bool closed_ = false;
  HINTERNET root_ = nullptr;
  HINTERNET request_ = nullptr;
  bool opened_ = false;
  ResponseText response_;
};

}  // namespace quellor
