// Timing and peak memory.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace bench {

// The best of 'runs' wall-clock times, in seconds: the least disturbed by other work.
double bestSeconds(int runs, const std::function<void()>& work);

// The same for a program run with its output thrown away.
double bestProcessSeconds(int runs, const std::vector<std::string>& command);

// Peak resident memory of this process so far, in kilobytes (VmHWM).
long ownPeakMemoryKb();

// The first number a program prints, run to its end.
long programNumber(const std::string& command);

}  // namespace bench
