#pragma once
// A picture: a Win32 "static" window with SS_BITMAP, subclassed into the toolkit, showing a bitmap from
// the program's resources or from a bitmap file at its own size. Unlike other controls it loads and owns
// its bitmap: each new picture deletes the previous one, and the destructor deletes the last.

#include "toolkit/core/Child.h"

#include <string>

namespace Kestrum {

constexpr int kNoResource = -1;

class Image : public Child {
public:
    // kNoResource shows pictureFile instead of a resource.
    Image(GUIElement* container, int bitmapResourceId);
    ~Image() override;

    // Unlike the other controls, a failed window creation leaves the Image uncreated, so that a later
    // Create tries again.
    void Create() override;

    // Before Create these only record the choice. On a created Image an empty path or an id below 1
    // loads nothing and keeps the picture shown.
    void SetPictureFile(const std::string& path);
    void SetPictureResource(int bitmapResourceId);

    HBITMAP picture = nullptr;  // owned
    std::string pictureFile;
    int resourceId;
    bool border = false;

private:
    void DeletePicture();
    // Hands picture to the window, also when it is null: the window must never keep a deleted bitmap.
    void ShowPicture();
};

}  // namespace Kestrum
