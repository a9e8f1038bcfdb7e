#include "tests/gui/GdiObjectCounter.h"

#include "support/Win32.h"

#include <vector>

namespace TestSupport {

int GdiObjectRoom()
{
    // Regions are cheap, need no device, and come from the same table as pens, brushes and bitmaps.
    std::vector<HRGN> regions;
    regions.reserve(70000);
    for (;;) {
        HRGN region = CreateRectRgn(0, 0, 1, 1);
        if (region == nullptr)
            break;
        regions.push_back(region);
    }
    for (HRGN region : regions)
        DeleteObject(region);
    return static_cast<int>(regions.size());
}

}  // namespace TestSupport
