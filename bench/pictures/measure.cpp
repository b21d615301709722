#include "measure.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <stdexcept>

extern char** environ;

namespace bench {
namespace {

// Runs command to its end with stdout on /dev/null.
void runProgram(const std::vector<std::string>& command) {
  std::vector<char*> argv;
  for (const std::string& arg : command) argv.push_back(const_cast<char*>(arg.c_str()));
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int failed = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (failed) throw std::runtime_error("cannot run " + command[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
    throw std::runtime_error(command[0] + " failed");
}

}  // namespace

double bestSeconds(int runs, const std::function<void()>& work) {
  double best = 1e9;
  for (int i = 0; i < runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    best = std::min(
        best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
  return best;
}

double bestProcessSeconds(int runs, const std::vector<std::string>& command) {
  return bestSeconds(runs, [&] { runProgram(command); });
}

long ownPeakMemoryKb() {
  std::FILE* status = std::fopen("/proc/self/status", "r");
  long kb = -1;
  char line[256];
  while (status && std::fgets(line, sizeof line, status)) {
    if (std::sscanf(line, "VmHWM: %ld kB", &kb) == 1) break;
  }
  if (status) std::fclose(status);
  return kb;
}

long programNumber(const std::string& command) {
  std::FILE* pipe = popen(command.c_str(), "r");
  long number = -1;
  if (!pipe || std::fscanf(pipe, "%ld", &number) != 1) number = -1;
  if (pipe && pclose(pipe) != 0) number = -1;
  if (number < 0) throw std::runtime_error(command + " failed");
  return number;
}

}  // namespace bench
