// SPDX-License-Identifier: MIT
#pragma once

// Marks an English source text of the interface in a core table: the text
// itself at compile time, found by lupdate (an alias of QT_TRANSLATE_NOOP)
// and translated by the window layer in `context`.
#define VANTREL_TR_NOOP(context, text) text
