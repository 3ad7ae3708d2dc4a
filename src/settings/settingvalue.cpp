// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingvalue.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace SettingValue {

namespace {

QString halfWidth(const QString &text)
{
    return text.normalized(QString::NormalizationForm_KC).trimmed();
}

} // namespace

std::optional<double> number(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(halfWidth(text), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> whole(const SettingKey &key, const QString &text)
{
    const std::optional<double> value = number(text);
    if (!value)
        return std::nullopt;
    // Clamped before rounding, so no value can overflow an int.
    return int(std::lround(std::clamp(*value, double(key.minimum), double(key.maximum))));
}

std::optional<bool> switchState(const QString &text)
{
    static constexpr SettingKey state{"", "", "", SettingType::Switch, -SettingRange::Short - 1, SettingRange::Short};
    const std::optional<int> value = whole(state, text);
    if (!value)
        return std::nullopt;
    return *value == 1;
}

std::optional<int> exactWhole(const QString &text, int minimum, int maximum)
{
    const QString digits = halfWidth(text);
    if (digits.isEmpty() || digits.size() > 9)
        return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    }
    const int value = digits.toInt();
    if (value < minimum || value > maximum)
        return std::nullopt;
    return value;
}

int initialWhole(const SettingKey &key)
{
    return int(std::lround(number(QString::fromLatin1(key.fallback)).value_or(0)));
}

QString switchText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace SettingValue
