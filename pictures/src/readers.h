// The readers behind decode.h, one per format, each in its own file.
#pragma once

#include <cstdio>

#include "builder.h"
#include "bytes.h"
#include "pictures/decode.h"

namespace pictures {

Size probeBmp(ByteView data);
void decodeBmp(ByteView data, PictureBuilder& out);

Size probeJpeg(ByteView data);
Size probeJpegFile(std::FILE* file);
void decodeJpeg(ByteView data, PictureBuilder& out);
void decodeJpegFile(std::FILE* file, PictureBuilder& out);

Size probeGif(ByteView data);
void decodeGif(ByteView data, PictureBuilder& out);

Size probePng(ByteView data);
void decodePng(ByteView data, PictureBuilder& out);

Metafile parseWmf(std::vector<uint8_t> bytes);
Metafile parseEmf(std::vector<uint8_t> bytes);

}  // namespace pictures
