/* SPDX-License-Identifier: MIT
 * The packet layout macros that go with wintab.h (see there); the includer
 * defines PACKETDATA before it, as the Wintab documentation asks. */
#include </usr/include/wine/wine/windows/pktdef.h>
