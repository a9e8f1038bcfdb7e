#pragma once
// Small 24-bit pictures with exactly known pixels, in memory or as a .bmp file, for the tests of the
// bitmap drawing and of the picture controls.

#include "support/Win32.h"

#include <string>
#include <vector>

namespace TestSupport {

// width x height colours, row by row from the top.
using PixelRows = std::vector<COLORREF>;

// A 24-bit DIB section; the caller deletes it.
HBITMAP MakeBitmap(int width, int height, const PixelRows& pixels);
// Every pixel in one colour.
HBITMAP MakeBitmap(int width, int height, COLORREF color);

// Writes a bottom-up 24-bit .bmp file; false when it cannot be written.
bool WriteBitmapFile(const std::string& path, int width, int height, const PixelRows& pixels);

// A path in the temporary folder for a file of this name; any old file of that name is deleted.
std::string TemporaryFilePath(const std::string& name);

}  // namespace TestSupport
