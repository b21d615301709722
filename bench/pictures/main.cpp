// Our readers against libpng, giflib, stb_image and djpeg on the same files, to the same output.
//   bench_pictures DATA_FOLDER            the whole run; the last line sums it up
//   bench_pictures --peak preview|full F  one decode of F, for the peak memory measurement
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "baselines.h"
#include "bench_set.h"
#include "measure.h"
#include "pictures/decode.h"
#include "pictures/files.h"

namespace {

constexpr int kRuns = 7;
constexpr pictures::Size kMainPreview{439, 326};
constexpr pictures::Size kWindowPreview{800, 600};

std::vector<uint8_t> readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void row(const char* what, double ours, const char* baseline, double theirs) {
  std::printf("%-40s %9.1f ms  %-18s %9.1f ms  %6.2f\n", what, ours * 1e3, baseline, theirs * 1e3,
              ours / theirs);
}

const char* same(const pictures::Picture& ours, const bench::Decoded& theirs) {
  return ours.bgra == theirs.pixels ? "same pixels" : "PIXELS DIFFER";
}

struct PixelFile {
  const char* name;
  pictures::Format format;
  std::string path;
};

// Full decodes from memory: ours, the format's library and stb_image.
double compareDecoders(const PixelFile& file, const char* libraryName,
                       bench::Decoded (*library)(const std::vector<uint8_t>&)) {
  const std::vector<uint8_t> bytes = readFile(file.path);
  pictures::Picture picture;
  const double ours = bench::bestSeconds(
      kRuns, [&] { picture = pictures::decodePicture(file.format, bytes.data(), bytes.size()); });
  bench::Decoded decoded;
  const double theirs = bench::bestSeconds(kRuns, [&] { decoded = library(bytes); });
  row(file.name, ours, libraryName, theirs);
  std::printf("%-40s %s\n", "", same(picture, decoded));
  if (!bench::decodeWithStb(bytes).pixels.empty()) {
    row(file.name, ours, "stb_image",
        bench::bestSeconds(kRuns, [&] { bench::decodeWithStb(bytes); }));
  }
  return theirs > 0 ? ours / theirs : 0;
}

double compareJpeg(const char* name, const std::string& path) {
  const std::vector<uint8_t> bytes = readFile(path);
  const double full = bench::bestSeconds(
      kRuns, [&] { pictures::decodePicture(pictures::Format::Jpeg, bytes.data(), bytes.size()); });
  row((std::string(name) + " full").c_str(), full, "djpeg",
      bench::bestProcessSeconds(kRuns, {"djpeg", path}));
  const double preview = bench::bestSeconds(kRuns, [&] {
    pictures::loadPicture(path, {kMainPreview, false});
  });
  const double djpeg8 = bench::bestProcessSeconds(kRuns, {"djpeg", "-scale", "1/8", path});
  row((std::string(name) + " preview 439x326").c_str(), preview, "djpeg -scale 1/8", djpeg8);
  row((std::string(name) + " preview 800x600").c_str(),
      bench::bestSeconds(kRuns,
                         [&] {
                           pictures::loadPicture(path, {kWindowPreview, false});
                         }),
      "djpeg -scale 1/4", bench::bestProcessSeconds(kRuns, {"djpeg", "-scale", "1/4", path}));
  return preview / djpeg8;
}

// Prints the peak memory of one decode, started from a fresh process.
int peakRun(const std::string& mode, const std::string& path) {
  const pictures::Picture picture = mode == "preview"
                                        ? pictures::loadPicture(path, {kMainPreview, false})
                                        : pictures::loadPicture(path);
  std::printf("%ld\n", bench::ownPeakMemoryKb());
  return picture.bgra.empty() ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::strcmp(argv[1], "--peak") == 0) return peakRun(argv[2], argv[3]);
  if (argc != 2) {
    std::fprintf(stderr, "usage: bench_pictures DATA_FOLDER\n");
    return 2;
  }
  const bench::BenchSet set = bench::makeBenchSet(argv[1]);
  std::printf("%-40s %12s  %-18s %12s  %6s\n", "file and work", "ours", "baseline", "theirs",
              "ratio");
  const double pngRgb = compareDecoders({"png 8 MP rgb", pictures::Format::Png, set.pngRgb},
                                        "libpng", bench::decodeWithLibpng);
  const double pngPalette =
      compareDecoders({"png 8 MP palette", pictures::Format::Png, set.pngPalette}, "libpng",
                      bench::decodeWithLibpng);
  const double gif = compareDecoders({"gif 8 MP", pictures::Format::Gif, set.gif}, "giflib",
                                     bench::decodeWithGiflib);
  const double previewBaseline = compareJpeg("jpeg 24 MP baseline", set.jpegBaseline);
  const double previewProgressive = compareJpeg("jpeg 24 MP progressive", set.jpegProgressive);

  const std::string self = argv[0];
  const std::string peak = "'" + self + "' --peak ";
  const long previewKb = bench::programNumber(peak + "preview '" + set.jpegBaseline + "'");
  const long fullKb = bench::programNumber(peak + "full '" + set.jpegBaseline + "'");
  std::printf("%-40s %9.1f MB  %-18s %9.1f MB  %6.3f\n", "jpeg 24 MP baseline peak memory",
              double(previewKb) / 1024.0, "full decode", double(fullKb) / 1024.0,
              double(previewKb) / double(fullKb));

  const double png = std::max(pngRgb, pngPalette);
  const double preview = std::max(previewBaseline, previewProgressive);
  std::printf(
      "png/libpng=%.2f gif/giflib=%.2f preview/djpeg-scale-1/8=%.2f preview-memory/full=%.3f\n",
      png, gif, preview, double(previewKb) / double(fullKb));
  return 0;
}
