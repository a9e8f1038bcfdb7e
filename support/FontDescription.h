#pragma once
// Face, height and style of a font, with the Win32 font made from them on first use. Elements only point
// to a description, so several elements share one font; the description deletes the font when it dies.

#include "support/Win32.h"

#include <string>

namespace Kestrum {

struct FontDescription {
    FontDescription();
    FontDescription(const std::string& face, int height);
    ~FontDescription();
    FontDescription(const FontDescription&) = delete;
    FontDescription& operator=(const FontDescription&) = delete;

    // Null when the font cannot be made; the next call tries again.
    HFONT GetFontHandle();

    HFONT handle = nullptr;
    std::wstring faceName;
    int height = 0;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool fixedPitch = false;
};

}  // namespace Kestrum
