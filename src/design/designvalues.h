// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/colortext.h"
#include "settings/keycatalogue.h"

#include <QSize>
#include <QString>
#include <optional>

class SettingsStore;

// How the album pages and the slide page are written: the classic pages, or
// modern ones (HTML5, responsive, for phones) from the same design values.
enum class PageStyle { Classic, Modern };

namespace PageStyles {
// "classic", "modern": the stored text and the command line's word.
QString name(PageStyle style);
std::optional<PageStyle> fromName(const QString &name);
} // namespace PageStyles

// The twelve design fields: what the album pages and the slide page take
// their title, footer, colours and thumbnail box from.
struct DesignValues
{
    QString title = QStringLiteral("PhotoGallery");
    QString footer = QStringLiteral("Velmo for Windows95");
    QString pageBackground = QStringLiteral("#FFFFFF");
    QString cellBackground = QStringLiteral("#FFFFFF");
    QString pageText = QStringLiteral("#000000");
    QString link = QStringLiteral("#00ff00");
    QString visitedLink = QStringLiteral("#C0C0C0");
    QString labelBackground = QStringLiteral("#107070");
    QString labelText = QStringLiteral("#00FFFF");
    QString labelSubText = QStringLiteral("#FFFFFF");
    QString boxHeight = QString::fromLatin1(Keys::IMGHeight.fallback);
    QString boxWidth = QString::fromLatin1(Keys::IMGWidth.fallback);
    // Chosen beside the twelve fields and stored at once.
    PageStyle pageStyle = PageStyle::Classic;

    // The nine fields a colour set stores, in their load and save order, each
    // with its key suffix in section COLORSET.
    struct SetField
    {
        QString DesignValues::*field;
        const char *suffix;
    };
    static const SetField colorSetFields[9];

    // The fixed preset (colour mode 3).
    static DesignValues preset();
    void applyPreset();

    bool operator==(const DesignValues &) const = default;
};

// What a colour-set load asks of the colour buttons.
enum class ColorButtons { Show, Hide, Unchanged };

// The colours the preview is painted with after a load, each converted from
// its field; a text that does not convert leaves the previous colour in force
// (black before the first).
struct PreviewColors
{
    ColorValue pageBackground = 0;
    ColorValue cellBackground = 0;
    ColorValue pageText = 0;
    ColorValue link = 0;
    ColorValue visitedLink = 0;
    ColorValue labelBackground = 0;
    ColorValue labelText = 0;
};
PreviewColors previewColors(const DesignValues &values);

// Fills the fields for the stored colour mode: "1"/"2" from that stored set
// (absent keys keep the field), "3"/"0" the preset; then the two sizes. A
// stored size that is no size the dialog could store gives the design-time
// size instead, and the store's problem reporter says so.
ColorButtons loadColorSet(DesignValues &values, const SettingsStore &store);

// Stores the set for the stored mode ("1"/"2" only), then the two sizes.
void saveColorSet(const DesignValues &values, SettingsStore &store);

// The stored page style; a text that names none gives the classic pages.
PageStyle loadPageStyle(const SettingsStore &store);

// The design values exactly as a freshly loaded design dialog holds them.
// Reads only: velmo-album never writes the store.
DesignValues loadDesignValues(const SettingsStore &store);

// The thumbnail box sizes: whole numbers in the size bars' range, nothing
// else, whether typed into the dialog or found in the store.
namespace DesignSize {
constexpr int Minimum = Keys::IMGWidth.minimum;
constexpr int Maximum = Keys::IMGWidth.maximum;
static_assert(Minimum == Keys::IMGHeight.minimum && Maximum == Keys::IMGHeight.maximum);
constexpr int InitialWidthBar = 200;
constexpr int InitialHeightBar = 100;
// The size a field's text gives (full-width digits converted).
std::optional<int> side(const QString &text);
// The thumbnail box of the design values, in page pixels; a size field that
// holds no size gives the design-time size.
QSize box(const DesignValues &values);
int barValue(const QString &field, int initialBar);

enum class Side { Width, Height };
// The dialog's refusal of a typed size.
QString refused(Side side, const QString &text);
// A stored size that was replaced by the design-time one.
QString storedReplaced(Side side, const QString &stored, const QString &used);
} // namespace DesignSize
