/* SPDX-License-Identifier: MIT
 * Debian's Qt source leaves out the Wintab headers that Qt's Windows
 * platform plugin compiles its tablet support against. Wine ships them
 * (libwine-dev, LGPL); the plugin only needs their declarations, so the
 * Windows build of Qt reads them from there. */
#ifndef VANTREL_WINTAB_WRAPPER_H
#define VANTREL_WINTAB_WRAPPER_H
#include </usr/include/wine/wine/windows/wintab.h>
#endif
