// SPDX-License-Identifier: GPL-3.0-or-later
#include "design/designvalues.h"

#include "platform/failure.h"
#include "settings/settingsstore.h"

const DesignValues::SetField DesignValues::colorSetFields[9] = {
    {&DesignValues::TXTAlbumTitle, ColorSetSuffix::AlbumTitle},
    {&DesignValues::TXTAlbumFooter, ColorSetSuffix::AlbumFooter},
    {&DesignValues::TXTBGColor, ColorSetSuffix::BGColor},
    {&DesignValues::TXTBGColorSub, ColorSetSuffix::BGColorSub},
    {&DesignValues::TitleColor, ColorSetSuffix::BGTXTColor},
    {&DesignValues::TXTBGLinkColor, ColorSetSuffix::BGLinkColor},
    {&DesignValues::TXTBGVLinkColor, ColorSetSuffix::BGVLinkColor},
    {&DesignValues::TXTLabelColor, ColorSetSuffix::LabelColor},
    {&DesignValues::TXTLabelTXTColor, ColorSetSuffix::LabelTXTColor},
};

DesignValues DesignValues::preset()
{
    DesignValues values;
    values.applyPreset();
    return values;
}

void DesignValues::applyPreset()
{
    TXTAlbumTitle = QStringLiteral("PhotoGallery");
    TXTAlbumFooter = QStringLiteral("Designed by Tarvex");
    TXTBGColor = QStringLiteral("#FEFFE6");
    TXTBGColorSub = QStringLiteral("#E7FEF5");
    TitleColor = QStringLiteral("#008000");
    TXTBGLinkColor = QStringLiteral("#4682B4");
    TXTBGVLinkColor = QStringLiteral("#FF7F50");
    TXTLabelColor = QStringLiteral("#707070");
    TXTLabelTXTColor = QStringLiteral("#55FFAA");
}

PreviewColors previewColors(const DesignValues &values)
{
    PreviewColors colors;
    ColorValue last = 0;
    const auto convert = [&last](const QString &text) {
        try {
            last = HtmlToColor(text);
        } catch (const Failure &) {
            // keep the colour of the previous conversion
        }
        return last;
    };
    colors.pageBackground = convert(values.TXTBGColor);
    colors.cellBackground = convert(values.TXTBGColorSub);
    colors.pageText = convert(values.TitleColor);
    colors.link = convert(values.TXTBGLinkColor);
    colors.visitedLink = convert(values.TXTBGVLinkColor);
    colors.labelBackground = convert(values.TXTLabelColor);
    colors.labelText = convert(values.TXTLabelTXTColor);
    return colors;
}

static QString colorSetKey(const QString &mode, const char *suffix)
{
    return mode + QLatin1String(suffix);
}

ColorButtons LoadColorSet(DesignValues &values, const SettingsStore &store)
{
    const QString mode = store.read(Keys::ColorMode, QString());
    ColorButtons buttons = ColorButtons::Unchanged;
    if (mode == QLatin1String("1") || mode == QLatin1String("2")) {
        for (const DesignValues::SetField &set : DesignValues::colorSetFields) {
            QString &field = values.*set.field;
            field = store.ReadSetting(QLatin1String(Section::ColorSet), colorSetKey(mode, set.suffix), field);
        }
        buttons = ColorButtons::Show;
    } else if (mode == QLatin1String("3") || mode == QLatin1String("0")) {
        values.applyPreset();
        buttons = ColorButtons::Hide;
    }
    values.TXTIMGHeight = store.read(Keys::IMGHeight, values.TXTIMGHeight);
    values.TXTIMGWidth = store.read(Keys::IMGWidth, values.TXTIMGWidth);
    return buttons;
}

void SaveColorSet(const DesignValues &values, SettingsStore &store)
{
    const QString mode = store.read(Keys::ColorMode, QString());
    if (mode == QLatin1String("1") || mode == QLatin1String("2")) {
        for (const DesignValues::SetField &set : DesignValues::colorSetFields)
            store.WriteSetting(QLatin1String(Section::ColorSet), colorSetKey(mode, set.suffix), values.*set.field);
    }
    store.write(Keys::IMGHeight, values.TXTIMGHeight);
    store.write(Keys::IMGWidth, values.TXTIMGWidth);
}

namespace DesignSize {
int barValue(const QString &field, int initialBar)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok ? std::clamp(value, Minimum, Maximum) : initialBar;
}
} // namespace DesignSize

DesignValues loadDesignValues(SettingsStore &store)
{
    DesignValues values;
    // The dialog's pattern buttons: set 1 or 2 selected from the stored mode
    // stores the mode again and loads the set; anything else leaves the
    // preset button selected as it starts, which runs nothing.
    const QString mode = store.read(Keys::ColorMode);
    if (mode == QLatin1String("1") || mode == QLatin1String("2")) {
        store.write(Keys::ColorMode, mode);
        LoadColorSet(values, store);
    }
    LoadColorSet(values, store);
    // Moving the width and height bars to the loaded sizes stores each size
    // whose bar moved.
    if (DesignSize::barValue(values.TXTIMGWidth, DesignSize::InitialWidthBar) != DesignSize::InitialWidthBar)
        store.write(Keys::IMGWidth, values.TXTIMGWidth);
    if (DesignSize::barValue(values.TXTIMGHeight, DesignSize::InitialHeightBar) != DesignSize::InitialHeightBar)
        store.write(Keys::IMGHeight, values.TXTIMGHeight);
    return values;
}
