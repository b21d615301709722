// Picture files: the readers of decode.h with errors whose message names the file.
//
//   pictures::Picture shown = pictures::loadPicture(path, {{439, 326}, false});
//   pictures::Size size = pictures::probePictureSize(path);      // "1920 x 1200"
//   pictures::Metafile emf = pictures::loadMetafile(path);       // then GDI plays emf.bytes
//
// Every function throws PictureError: missing file, unreadable, unsupported extension, damaged
// or too large; what() is the text for the user. The preview loads with its box and takes the
// size label from probePictureSize (the header only), so it never decodes at full size.
#pragma once

#include <string>

#include "pictures/decode.h"
#include "pictures/picture.h"

namespace pictures {

Size probePictureSize(const std::string& path);

// BMP, JPEG, GIF and PNG files. With a box, the picture is decoded once and shrunk on the way;
// JPEGs decode at the smallest libjpeg scale that still covers the box, and a baseline JPEG
// needs memory for the box only, not for the picture.
Picture loadPicture(const std::string& path, const Fit& fit = {});

// WMF and EMF files, checked record by record before GDI sees them.
Metafile loadMetafile(const std::string& path);

}  // namespace pictures
