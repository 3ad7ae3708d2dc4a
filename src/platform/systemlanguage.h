// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The language the user's session asks programs to speak.
namespace SystemLanguage {
// The message language of the environment is Japanese: the first entry of
// LANGUAGE, else LC_ALL, LC_MESSAGES or LANG, as gettext programs read them.
bool isJapanese();
} // namespace SystemLanguage
