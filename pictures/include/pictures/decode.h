// Picture readers over bytes in memory. Errors are PictureError without a file name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "pictures/picture.h"

namespace pictures {

// The format by the path's extension, case ignored: .bmp .jpg .jpeg .gif .png .wmf .emf.
Format formatFromPath(const std::string& path);

// The picture's size from its header, without decoding pixels. For metafiles the frame size in
// pixels (0 x 0 for an empty metafile).
Size probeSize(Format format, const uint8_t* data, size_t size);

// Decodes a BMP, JPEG, GIF or PNG picture, shrunk into fit.box when one is given.
Picture decodePicture(Format format, const uint8_t* data, size_t size, const Fit& fit = {});

// A Windows metafile or enhanced metafile whose records have been walked and found sound, so
// GDI can play it without hanging: bytes from gdiOffset on are what SetWinMetaFileBits
// (WMF; the placeable header is skipped) or SetEnhMetaFileBits (EMF) take.
struct Metafile {
  Format format = Format::Emf;
  Size frame;  // pixels at 96 dpi for WMF, on the recording device for EMF
  std::vector<uint8_t> bytes;
  size_t gdiOffset = 0;
};

Metafile parseMetafile(Format format, std::vector<uint8_t> bytes);

}  // namespace pictures
