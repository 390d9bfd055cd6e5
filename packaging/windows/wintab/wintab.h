/* SPDX-License-Identifier: MIT
 * Debian's Qt source leaves out the Wintab headers that Qt's Windows
 * platform plugin compiles its tablet support against. Wine ships them
 * (libwine-dev, LGPL); the plugin only needs their declarations, so the
 * Windows build of Qt reads them from there, with the few names of Wine's
 * own headers and of the original Wintab header that mingw-w64 lacks. */
#ifndef VANTREL_WINTAB_WRAPPER_H
#define VANTREL_WINTAB_WRAPPER_H
#include <windows.h>
#ifndef WINELIB_NAME_AW
#ifdef UNICODE
#define WINELIB_NAME_AW(name) name##W
#else
#define WINELIB_NAME_AW(name) name##A
#endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
#define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
#define API WINAPI
#endif
#include </usr/include/wine/wine/windows/wintab.h>
#endif
