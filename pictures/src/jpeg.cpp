// JPEG through libjpeg(-turbo): baseline, progressive, greyscale, CMYK and YCCK (Adobe files
// store them inverted). Decoding at the smallest scale that still covers the wanted size keeps
// the preview of a large photo fast and small.
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <vector>

#include "readers.h"

// clang-format off
#include <jpeglib.h>
// clang-format on

namespace pictures {
namespace {

// Past this, a progressive file is made to burn time rather than to refine the picture.
constexpr int kMaxScans = 500;
constexpr long kMaxLibjpegMemory = 512L << 20;

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void failWith(j_common_ptr cinfo, const char* text) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  std::snprintf(err->message, sizeof err->message, "%s", text);
  std::longjmp(err->jump, 1);
}

[[noreturn]] void onError(j_common_ptr cinfo) {
  char text[JMSG_LENGTH_MAX];
  (*cinfo->err->format_message)(cinfo, text);
  failWith(cinfo, text);
}

// Warnings about corrupt data are what viewers show grey blocks for; nothing to print.
void onMessage(j_common_ptr) {}

void onProgress(j_common_ptr cinfo) {
  auto* dinfo = reinterpret_cast<j_decompress_ptr>(cinfo);
  if (dinfo->input_scan_number > kMaxScans) failWith(cinfo, "too many progressive scans");
}

// A source of JPEG bytes: memory or an open file.
struct JpegInput {
  ByteView bytes;
  std::FILE* file = nullptr;
};

// Owns the libjpeg state; every libjpeg call happens in runJpeg below, which holds nothing
// that a longjmp out of libjpeg could skip.
struct JpegJob {
  jpeg_decompress_struct cinfo{};
  ErrorManager err{};
  jpeg_progress_mgr progress{};
  bool created = false;
  std::vector<uint8_t> row;

  ~JpegJob() {
    if (created) jpeg_destroy_decompress(&cinfo);
  }
};

unsigned smallestCoveringScale(Size picture, Size wanted) {
  for (unsigned eighths = 1; eighths < 8; ++eighths) {
    const uint64_t w = (uint64_t{picture.width} * eighths + 7) / 8;
    const uint64_t h = (uint64_t{picture.height} * eighths + 7) / 8;
    if (w >= wanted.width && h >= wanted.height) return eighths;
  }
  return 8;
}

// CMYK as Adobe writes it is inverted (0 is full ink); plain CMYK is not.
void cmykToBgra(uint8_t* px, uint32_t width, bool inverted) {
  for (uint32_t x = 0; x < width; ++x, px += 4) {
    unsigned c = px[0], m = px[1], y = px[2], k = px[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    px[0] = static_cast<uint8_t>((y * k + 127) / 255);
    px[1] = static_cast<uint8_t>((m * k + 127) / 255);
    px[2] = static_cast<uint8_t>((c * k + 127) / 255);
    px[3] = 255;
  }
}

void startJob(JpegJob& job, const JpegInput& in) {
  jpeg_create_decompress(&job.cinfo);
  job.created = true;
  job.cinfo.mem->max_memory_to_use = kMaxLibjpegMemory;
  job.progress.progress_monitor = onProgress;
  job.cinfo.progress = &job.progress;
  if (in.file) {
    jpeg_stdio_src(&job.cinfo, in.file);
  } else {
    jpeg_mem_src(&job.cinfo, in.bytes.data, static_cast<unsigned long>(in.bytes.size));
  }
  jpeg_read_header(&job.cinfo, TRUE);
}

void decodeRows(JpegJob& job, PictureBuilder* out) {
  jpeg_decompress_struct& cinfo = job.cinfo;
  const Size wanted = out->plan({cinfo.image_width, cinfo.image_height});
  cinfo.scale_num = smallestCoveringScale({cinfo.image_width, cinfo.image_height}, wanted);
  cinfo.scale_denom = 8;
  const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
  cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
  jpeg_calc_output_dimensions(&cinfo);
  out->begin({cinfo.output_width, cinfo.output_height});
  job.row.resize(size_t{cinfo.output_width} * 4);
  jpeg_start_decompress(&cinfo);
  while (cinfo.output_scanline < cinfo.output_height) {
    JSAMPROW rows[1] = {out->rowTarget(job.row.data())};
    if (jpeg_read_scanlines(&cinfo, rows, 1) != 1) throwDamaged("JPEG rows stop early");
    if (cmyk) cmykToBgra(rows[0], cinfo.output_width, cinfo.saw_Adobe_marker);
    out->addRow(rows[0]);
  }
  jpeg_finish_decompress(&cinfo);
}

// Reads the header and, given a builder, the pixels. Returns false with err.message set when
// libjpeg gave up. Locals here are plain data only: a longjmp lands in this frame.
bool runJpeg(JpegJob& job, const JpegInput& in, PictureBuilder* out) {
  job.cinfo.err = jpeg_std_error(&job.err.base);
  job.err.base.error_exit = onError;
  job.err.base.output_message = onMessage;
  if (setjmp(job.err.jump)) return false;
  startJob(job, in);
  if (out) decodeRows(job, out);
  return true;
}

void run(JpegJob& job, const JpegInput& in, PictureBuilder* out) {
  if (!runJpeg(job, in, out)) throwDamaged(std::string("JPEG: ") + job.err.message);
}

Size probe(const JpegInput& in) {
  JpegJob job;
  run(job, in, nullptr);
  return {job.cinfo.image_width, job.cinfo.image_height};
}

void decode(const JpegInput& in, PictureBuilder& out) {
  JpegJob job;
  run(job, in, &out);
}

}  // namespace

Size probeJpeg(ByteView data) { return probe({data, nullptr}); }
Size probeJpegFile(std::FILE* file) { return probe({{}, file}); }
void decodeJpeg(ByteView data, PictureBuilder& out) { decode({data, nullptr}, out); }
void decodeJpegFile(std::FILE* file, PictureBuilder& out) { decode({{}, file}, out); }

}  // namespace pictures
