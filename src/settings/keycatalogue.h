// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Every key Velmo and Quillet keep in the settings store, with its section and
// exact spelling, and the text a reader uses when the key is absent and no
// control of its own supplies the default (the control's initial text where
// the reader is a control).
struct SettingKey
{
    const char *section;
    const char *key;
    const char *fallback;
};

namespace Section {
inline constexpr char Save[] = "SAVE";
inline constexpr char Mode[] = "MODE";
inline constexpr char ColorSet[] = "COLORSET";
} // namespace Section

namespace Keys {
// Main window
inline constexpr SettingKey Top{Section::Save, "TOP", "0"};
inline constexpr SettingKey Left{Section::Save, "LEFT", "0"};
inline constexpr SettingKey Path{Section::Save, "Path", ""}; // the home folder; see Settings::startFolder
inline constexpr SettingKey SelStart{Section::Save, "SelStart", "0"};

// Switches mirrored on the main window
inline constexpr SettingKey CheckWarning{Section::Save, "CheckWarning", "0"};
inline constexpr SettingKey CheckWarningHtml{Section::Save, "CheckWarningHtml", "0"};
inline constexpr SettingKey CheckWarningJPG{Section::Save, "CheckWarningJPG", "0"};

// Album layout
inline constexpr SettingKey PhotoPiece{Section::Save, "PhotoPiece", "6"};
inline constexpr SettingKey AlbumLine{Section::Save, "AlbumLine", "2"};
inline constexpr SettingKey JPEGReduction{Section::Save, "JPEGReduction", "2"};

// Program fields of the options dialog; fallbacks come from Paths.
inline constexpr SettingKey DIRbrowser{Section::Save, "DIRbrowser", ""};
inline constexpr SettingKey DIRftp{Section::Save, "DIRftp", ""};
inline constexpr SettingKey DIRediter{Section::Save, "DIRediter", ""};

// Design
inline constexpr SettingKey ColorMode{Section::Save, "ColorMode", "Text1"};
inline constexpr SettingKey IMGWidth{Section::Save, "IMGWidth", "135"};
inline constexpr SettingKey IMGHeight{Section::Save, "IMGHeight", "100"};

// Section MODE
inline constexpr SettingKey EnglishJapanese{Section::Mode, "English_Japanese", "0"};
inline constexpr SettingKey IMGClipBoard{Section::Mode, "IMGClipBoard", ""};
inline constexpr SettingKey CheckTARGET{Section::Mode, "CheckTARGET", "0"};
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
