#pragma once

// Marks an English text that the window shows in the player's language: the
// engine keeps and compares the English, the window looks it up in its
// context before it shows it.  The translation tools read these markers as
// Qt's own QT_TRANSLATE_NOOP and QT_TRANSLATE_N_NOOP; the _N_ form is a text
// with a count (%n) that takes the language's plural forms.
#define PAIRFALL_TRANSLATE_NOOP(context, text) text
#define PAIRFALL_TRANSLATE_N_NOOP(context, text) text
