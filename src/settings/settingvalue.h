// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/keycatalogue.h"

#include <QString>
#include <optional>

// How stored texts (and typed size fields) become values: the one place
// that parses them. Full-width digits and signs, as a Japanese input
// method gives them, count as their ASCII forms.
namespace SettingValue {

// A decimal number with optional sign, fraction and exponent, blanks
// around it allowed; nothing for any other text, infinities included.
std::optional<double> number(const QString &text);

// The number rounded to whole and clamped to the key's range.
std::optional<int> whole(const SettingKey &key, const QString &text);

// A check box state: on for 1, off for any other number.
std::optional<bool> switchState(const QString &text);

// A field that must hold a whole number in [minimum, maximum] and nothing
// else: no sign, fraction, unit or blank inside.
std::optional<int> exactWhole(const QString &text, int minimum, int maximum);

// The whole number of the key's fallback, the one place its initial value is spelled.
int initialWhole(const SettingKey &key);

// "0" or "1", as every switch is stored.
QString switchText(bool on);

} // namespace SettingValue
