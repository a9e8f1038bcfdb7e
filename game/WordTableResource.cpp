#include "game/WordTableResource.h"

#include "resources/resource.h"
#include "support/Win32.h"

namespace MyGame {

namespace {

// The resource's bytes exactly as stored: no terminating zero, no conversion of any kind.
std::string ReadWordListResource()
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(IDR_WORD_LIST), RT_RCDATA);
    if (info == nullptr)
        return {};
    const HGLOBAL loaded = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0)
        return {};
    return std::string(static_cast<const char*>(bytes), size);
}

}  // namespace

WordTable LoadWordTable()
{
    return SplitTableLines(ReadWordListResource());
}

}  // namespace MyGame
