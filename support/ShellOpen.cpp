#include "support/ShellOpen.h"

#include "support/TextHelpers.h"
#include "support/Win32.h"

#include <shellapi.h>

namespace Kestrum {

bool OpenDocument(const std::string& target)
{
    const std::wstring file = WidenText(target);
    const HINSTANCE result = ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOW);
    // ShellExecuteW reports success with a value above 32.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace Kestrum
