#pragma once
// Who made the game and where to find it: the texts of the caption, the About box and the "&?" menu.
// Code page 1252.

#include "ZelvantoVersion.h"

namespace MyGame {

inline constexpr const char* kProductName = "ZelvantoGame";
inline constexpr const char* kVersionText = ZELVANTO_VERSION_TEXT;
inline constexpr const char* kCopyrightNotice = "\xA9 2026 Zelvanto";
// A reserved example domain: the game has no web site of its own yet.
inline constexpr const char* kSiteAddress = "https://www.example.com";
inline constexpr const char* kHelpPageName = "/ZelvantoGame.asp";

}  // namespace MyGame
