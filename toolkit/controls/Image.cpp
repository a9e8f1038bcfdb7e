#include "toolkit/controls/Image.h"

#include "toolkit/controls/Drawing.h"
#include "toolkit/controls/StandardControl.h"

namespace Kestrum {

namespace {

HBITMAP LoadResourceBitmap(int resourceId)
{
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resourceId & 0xFFFF),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace

Image::Image(GUIElement* container, int bitmapResourceId) : Child(container), resourceId(bitmapResourceId)
{
    typeName = "image";
}

Image::~Image()
{
    if (picture == nullptr)
        return;
    // The window may outlive the element until its parent destroys it.
    if (hwnd != nullptr && IsWindow(hwnd))
        SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, 0);
    DeleteObject(picture);
}

void Image::Create()
{
    if (created)
        return;
    DWORD style = WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_BITMAP;
    if (!enabled)
        style |= WS_DISABLED;
    if (border)
        style |= WS_BORDER;
    if (CreateControlWindow(*this, border ? WS_EX_CLIENTEDGE : 0, L"static", style) == nullptr)
        return;
    created = true;
    if (resourceId == kNoResource)
        SetPictureFile(pictureFile);
    else
        SetPictureResource(resourceId);
    SubclassControl(*this);
    ApplyControlFont(*this);
}

void Image::SetPictureFile(const std::string& path)
{
    pictureFile = path;
    resourceId = kNoResource;
    if (!created || path.empty())
        return;
    DeletePicture();
    picture = Drawing::LoadBitmapFile(path);
    ShowPicture();
}

void Image::SetPictureResource(int bitmapResourceId)
{
    pictureFile.clear();
    resourceId = bitmapResourceId;
    if (!created || bitmapResourceId <= 0)
        return;
    DeletePicture();
    picture = LoadResourceBitmap(bitmapResourceId);
    ShowPicture();
}

void Image::DeletePicture()
{
    if (picture == nullptr)
        return;
    DeleteObject(picture);
    picture = nullptr;
}

void Image::ShowPicture()
{
    if (picture == nullptr)
        GetLastError();
    SendMessageW(hwnd, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
}

}  // namespace Kestrum
