// The variable-length LZW code of GIF image data.
#pragma once

#include <cstddef>
#include <cstdint>

#include "bytes.h"

namespace pictures {

// Decodes codes of minCodeSize (1..11) bits and up into at most outSize palette indices;
// returns how many were written. Data that ends early, a missing end code or a code the table
// does not have yet end the picture there, as viewers do.
size_t decodeGifLzw(ByteView codes, unsigned minCodeSize, uint8_t* out, size_t outSize);

}  // namespace pictures
