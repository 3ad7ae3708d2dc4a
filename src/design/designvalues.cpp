// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/designvalues.h"

#include <QCoreApplication>

#include "platform/failure.h"
#include "settings/settingsstore.h"
#include "settings/settingvalue.h"

const DesignValues::SetField DesignValues::colorSetFields[9] = {
    {&DesignValues::title, ColorSetSuffix::AlbumTitle},
    {&DesignValues::footer, ColorSetSuffix::AlbumFooter},
    {&DesignValues::pageBackground, ColorSetSuffix::BGColor},
    {&DesignValues::cellBackground, ColorSetSuffix::BGColorSub},
    {&DesignValues::pageText, ColorSetSuffix::BGTXTColor},
    {&DesignValues::link, ColorSetSuffix::BGLinkColor},
    {&DesignValues::visitedLink, ColorSetSuffix::BGVLinkColor},
    {&DesignValues::labelBackground, ColorSetSuffix::LabelColor},
    {&DesignValues::labelText, ColorSetSuffix::LabelTXTColor},
};

DesignValues DesignValues::preset()
{
    DesignValues values;
    values.applyPreset();
    return values;
}

void DesignValues::applyPreset()
{
    title = QStringLiteral("PhotoGallery");
    footer = QStringLiteral("Designed by Tarvex");
    pageBackground = QStringLiteral("#FEFFE6");
    cellBackground = QStringLiteral("#E7FEF5");
    pageText = QStringLiteral("#008000");
    link = QStringLiteral("#4682B4");
    visitedLink = QStringLiteral("#FF7F50");
    labelBackground = QStringLiteral("#707070");
    labelText = QStringLiteral("#55FFAA");
}

PreviewColors previewColors(const DesignValues &values)
{
    PreviewColors colors;
    ColorValue last = 0;
    const auto convert = [&last](const QString &text) {
        try {
            last = htmlToColor(text);
        } catch (const Failure &) {
            // keep the colour of the previous conversion
        }
        return last;
    };
    colors.pageBackground = convert(values.pageBackground);
    colors.cellBackground = convert(values.cellBackground);
    colors.pageText = convert(values.pageText);
    colors.link = convert(values.link);
    colors.visitedLink = convert(values.visitedLink);
    colors.labelBackground = convert(values.labelBackground);
    colors.labelText = convert(values.labelText);
    return colors;
}

static QString colorSetKey(const QString &mode, const char *suffix)
{
    return mode + QLatin1String(suffix);
}

// A stored size into its field: the stored size when it is one, the
// design-time size when the stored text is none; an absent key keeps the field.
static void readSize(const SettingsStore &store, DesignSize::Side side, QString &field)
{
    const bool width = side == DesignSize::Side::Width;
    const std::optional<QString> stored = store.stored(width ? Keys::IMGWidth : Keys::IMGHeight);
    if (!stored)
        return;
    if (const std::optional<int> size = DesignSize::side(*stored)) {
        field = QString::number(*size);
        return;
    }
    const DesignValues designTime;
    field = width ? designTime.boxWidth : designTime.boxHeight;
    store.reportProblem(DesignSize::storedReplaced(side, *stored, field));
}

ColorButtons loadColorSet(DesignValues &values, const SettingsStore &store)
{
    const QString mode = store.read(Keys::ColorMode, QString());
    ColorButtons buttons = ColorButtons::Unchanged;
    if (mode == QLatin1String("1") || mode == QLatin1String("2")) {
        for (const DesignValues::SetField &set : DesignValues::colorSetFields) {
            QString &field = values.*set.field;
            field = store.readSetting(QLatin1String(Section::ColorSet), colorSetKey(mode, set.suffix), field);
        }
        buttons = ColorButtons::Show;
    } else if (mode == QLatin1String("3") || mode == QLatin1String("0")) {
        values.applyPreset();
        buttons = ColorButtons::Hide;
    }
    readSize(store, DesignSize::Side::Height, values.boxHeight);
    readSize(store, DesignSize::Side::Width, values.boxWidth);
    return buttons;
}

void saveColorSet(const DesignValues &values, SettingsStore &store)
{
    const QString mode = store.read(Keys::ColorMode, QString());
    if (mode == QLatin1String("1") || mode == QLatin1String("2")) {
        for (const DesignValues::SetField &set : DesignValues::colorSetFields)
            store.writeSetting(QLatin1String(Section::ColorSet), colorSetKey(mode, set.suffix), values.*set.field);
    }
    store.write(Keys::IMGHeight, values.boxHeight);
    store.write(Keys::IMGWidth, values.boxWidth);
}

namespace DesignSize {

std::optional<int> side(const QString &text)
{
    return SettingValue::exactWhole(text, Minimum, Maximum);
}

QSize box(const DesignValues &values)
{
    const DesignValues designTime;
    return {side(values.boxWidth).value_or(side(designTime.boxWidth).value_or(Minimum)),
            side(values.boxHeight).value_or(side(designTime.boxHeight).value_or(Minimum))};
}

int barValue(const QString &field, int initialBar)
{
    return side(field).value_or(initialBar);
}

static QString sideName(Side side)
{
    return side == Side::Width ? QCoreApplication::translate("DesignSize", "幅")
                               : QCoreApplication::translate("DesignSize", "高さ");
}

QString refused(Side side, const QString &text)
{
    return QCoreApplication::translate("DesignSize",
                                       "サムネイルの%1は %2 から %3 までの整数で入力して下さい（「%4」は使えません）。")
        .arg(sideName(side))
        .arg(Minimum)
        .arg(Maximum)
        .arg(text);
}

QString storedReplaced(Side side, const QString &stored, const QString &used)
{
    return QCoreApplication::translate(
               "DesignSize", "保存されているサムネイルの%1「%2」は %3 から %4 までの整数でないため、%5 を使います。")
        .arg(sideName(side), stored)
        .arg(Minimum)
        .arg(Maximum)
        .arg(used);
}

} // namespace DesignSize

namespace PageStyles {

QString name(PageStyle style)
{
    return style == PageStyle::Modern ? QStringLiteral("modern") : QStringLiteral("classic");
}

std::optional<PageStyle> fromName(const QString &name)
{
    for (const PageStyle style : {PageStyle::Classic, PageStyle::Modern}) {
        if (name == PageStyles::name(style))
            return style;
    }
    return std::nullopt;
}

} // namespace PageStyles

PageStyle loadPageStyle(const SettingsStore &store)
{
    return PageStyles::fromName(store.read(Keys::PageStyle)).value_or(PageStyle::Classic);
}

DesignValues loadDesignValues(const SettingsStore &store)
{
    // The dialog's load selects the stored pattern, which loads the set, and
    // loads it once more; both loads read the same store.
    DesignValues values;
    loadColorSet(values, store);
    values.pageStyle = loadPageStyle(store);
    return values;
}
