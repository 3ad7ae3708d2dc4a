// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <climits>

// What a key's stored text means, and so how the store reads it.
enum class SettingType {
    Text,   // taken as it stands: paths, titles, colours, the mode and choice letters
    Switch, // a check box: on when the number is 1, off for any other number
    Whole,  // a whole number, clamped to the key's range
    Twips,  // a window position in twips, clamped to the key's range
};

// Every key Velmo and Quillet keep in the settings store, with its section and
// exact spelling, the text a reader uses when the key is absent and no
// control of its own supplies the default (the control's initial text where
// the reader is a control), and the type and range of its value.
struct SettingKey
{
    const char *section;
    const char *key;
    const char *fallback;
    SettingType type = SettingType::Text;
    int minimum = 0;
    int maximum = 0;
};

namespace SettingRange {
// Counts and sizes are 16-bit integers; the slider setting is 32-bit.
inline constexpr int Short = 32767;
// Far beyond any screen, and small enough that pixels never overflow.
inline constexpr int Twips = 15 * 1000000;
} // namespace SettingRange

namespace Section {
inline constexpr char Save[] = "SAVE";
inline constexpr char Mode[] = "MODE";
inline constexpr char ColorSet[] = "COLORSET";
} // namespace Section

// The values of the date source.
namespace DateSourceValue {
inline constexpr char File[] = "file";
inline constexpr char Shot[] = "shot";
} // namespace DateSourceValue

namespace Keys {
// Main window
inline constexpr SettingKey Top{Section::Save,      "TOP", "0", SettingType::Twips, -SettingRange::Twips,
                                SettingRange::Twips};
inline constexpr SettingKey Left{Section::Save,      "LEFT", "0", SettingType::Twips, -SettingRange::Twips,
                                 SettingRange::Twips};
// The main window's client size in twips, stored with its position; 0 (or
// nothing stored) is the designed size.
inline constexpr SettingKey Width{Section::Save, "WIDTH", "0", SettingType::Twips, 0, SettingRange::Twips};
inline constexpr SettingKey Height{Section::Save, "HEIGHT", "0", SettingType::Twips, 0, SettingRange::Twips};
inline constexpr SettingKey Path{Section::Save, "Path", ""}; // the home folder; see Settings::startFolder
inline constexpr SettingKey SelStart{Section::Save, "SelStart", "0", SettingType::Whole, INT_MIN, INT_MAX};

// Confirmation switches
inline constexpr SettingKey CheckWarning{Section::Save, "CheckWarning", "0", SettingType::Switch};
inline constexpr SettingKey CheckWarningHtml{Section::Save, "CheckWarningHtml", "0", SettingType::Switch};
inline constexpr SettingKey CheckWarningJPG{Section::Save, "CheckWarningJPG", "0", SettingType::Switch};

// Album layout
// 0 is no limit; a negative count means the same.
inline constexpr SettingKey PhotoPiece{Section::Save, "PhotoPiece", "6", SettingType::Whole, 0, SettingRange::Short};
// Choices: the options model takes a stored number that is one of the
// option's values ("1" to "3"; "1", "2", "4", "8") and keeps its own value
// for any other text.
inline constexpr SettingKey AlbumLine{Section::Save, "AlbumLine", "2"};
inline constexpr SettingKey JPEGReduction{Section::Save, "JPEGReduction", "2"};

// What the photos themselves say. The date of a photo on the album pages and
// in Quillet: "file" (its file's modification time) or "shot" (when it was
// taken, where the photo says so); any other text is "file".
inline constexpr SettingKey DateSource{Section::Save, "DateSource", DateSourceValue::File};
// An empty comment block takes the photo's own caption at build time.
inline constexpr SettingKey CaptionsFromPhotos{Section::Save, "CaptionsFromPhotos", "0", SettingType::Switch};
// Quillet's write-back also writes the comment into the photo.
inline constexpr SettingKey CommentsIntoPhotos{Section::Save, "CommentsIntoPhotos", "0", SettingType::Switch};

// Program fields of the options dialog; fallbacks come from Paths.
inline constexpr SettingKey DIRbrowser{Section::Save, "DIRbrowser", ""};
inline constexpr SettingKey DIRftp{Section::Save, "DIRftp", ""};
inline constexpr SettingKey DIRediter{Section::Save, "DIRediter", ""};

// Design
inline constexpr SettingKey ColorMode{Section::Save, "ColorMode", "Text1"};
// The design dialog's size bars' range; see DesignSize for what else is refused.
inline constexpr SettingKey IMGWidth{Section::Save, "IMGWidth", "135", SettingType::Whole, 50, 200};
inline constexpr SettingKey IMGHeight{Section::Save, "IMGHeight", "100", SettingType::Whole, 50, 200};
// The style of the album and slide pages: "classic" or "modern".
inline constexpr SettingKey PageStyle{Section::Save, "PageStyle", "classic"};

// Section MODE
inline constexpr SettingKey EnglishJapanese{Section::Mode, "English_Japanese", "0", SettingType::Switch};
inline constexpr SettingKey IMGClipBoard{Section::Mode, "IMGClipBoard", "", SettingType::Switch};
inline constexpr SettingKey CheckTARGET{Section::Mode, "CheckTARGET", "0", SettingType::Switch};
} // namespace Keys

// The colour-set keys of section COLORSET: the set's digit and one of these.
namespace ColorSetSuffix {
inline constexpr char AlbumTitle[] = "AlbumTitle";
inline constexpr char AlbumFooter[] = "AlbumFooter";
inline constexpr char BGColor[] = "BGColor";
inline constexpr char BGColorSub[] = "BGColorSub";
inline constexpr char BGTXTColor[] = "BGTXTColor";
inline constexpr char BGLinkColor[] = "BGLinkColor";
inline constexpr char BGVLinkColor[] = "BGVLinkColor";
inline constexpr char LabelColor[] = "LabelColor";
inline constexpr char LabelTXTColor[] = "LabelTXTColor";
} // namespace ColorSetSuffix
