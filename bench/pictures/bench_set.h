// The files the benchmark reads, made once into a folder and reused on later runs.
#pragma once

#include <string>

namespace bench {

struct BenchSet {
  std::string jpegBaseline;     // 6000 x 4000
  std::string jpegProgressive;  // the same picture
  std::string pngRgb;           // 3264 x 2448
  std::string pngPalette;       // the same in 252 colours
  std::string gif;              // the same in 252 colours
};

BenchSet makeBenchSet(const std::string& folder);

}  // namespace bench
