#include "support/FontDescription.h"

#include "support/TextHelpers.h"

namespace Kestrum {

FontDescription::FontDescription() : faceName(L"System") {}

FontDescription::FontDescription(const std::string& face, int height)
    : faceName(WidenText(face)), height(height)
{
}

FontDescription::~FontDescription()
{
    if (handle != nullptr)
        DeleteObject(handle);
}

HFONT FontDescription::GetFontHandle()
{
    if (handle == nullptr) {
        handle = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, italic ? TRUE : FALSE,
                             underline ? TRUE : FALSE, FALSE, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                             CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, fixedPitch ? FIXED_PITCH : DEFAULT_PITCH,
                             faceName.c_str());
    }
    return handle;
}

}  // namespace Kestrum
