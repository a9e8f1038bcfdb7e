#pragma once
// The one include of the Windows headers, so that every file sees the same Windows: Unicode calls, no
// min/max macros, the lean set of headers (shellapi.h and friends are included where they are used).

#ifndef UNICODE
#define UNICODE
#endif
#ifndef _UNICODE
#define _UNICODE
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif

#include <windows.h>
