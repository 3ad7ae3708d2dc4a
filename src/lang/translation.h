// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every text of the programs is written in Japanese, Velmo's first language;
// the English catalogue (translations/velmo_en.ts, built into the programs)
// gives each its English. This switches the catalogue on and off for the
// whole application: a change sends every window a LanguageChange.
namespace Translation {
// English (the catalogue installed) or Japanese (the texts as written).
void use(bool english);
bool english();
} // namespace Translation
