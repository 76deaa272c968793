#pragma once
// Pictures compared with reference PNG files kept beside the tests, and
// pictures kept in the build folder for a person to look at.
#include <memory>
#include <string>

#include "platform/gdi/Bitmap.h"

namespace zorbit::testing {

struct TPictureMatch {
  bool Loaded = false;  // the reference could be read and has the same size
  int Differing = 0;    // pixels with a channel further off than the tolerance
  int Largest = 0;      // the largest difference of one channel
};

// Compares Picture with the PNG at ReferencePath, pixel by pixel, each
// channel within Tolerance.
TPictureMatch MatchReference(const plat::Bitmap& Picture, const std::string& ReferencePath, int Tolerance);

// A PNG file as a picture (its colours, without alpha), for pictures that
// another process saved; null when it cannot be read.
std::unique_ptr<plat::Bitmap> ReadPngPicture(const std::string& Path);

// Writes the picture as PNG into the build folder (FileName may hold
// sub-folders) for a person to look at; answers the file's path.
std::string KeepForInspection(const plat::Bitmap& Picture, const std::string& FileName);

}  // namespace zorbit::testing
