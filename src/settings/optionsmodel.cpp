// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/optionsmodel.h"

#include "platform/failure.h"
#include "platform/paths.h"
#include "platform/systemlanguage.h"
#include "settings/keycatalogue.h"
#include "settings/settingsstore.h"
#include "settings/settingvalue.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array RowWidths{1, 2, 3};
constexpr std::array ReductionScales{1, 2, 4, 8};

template <size_t N> bool isOneOf(int value, const std::array<int, N> &choices)
{
    return std::find(choices.begin(), choices.end(), value) != choices.end();
}

// A stored choice: a whole number that is one of the option's values.
template <size_t N>
int storedChoice(const SettingsStore &store, const SettingKey &key, int current, const std::array<int, N> &choices)
{
    const std::optional<QString> text = store.stored(key);
    const std::optional<double> value = text ? SettingValue::number(*text) : std::nullopt;
    if (!value || *value != int(*value) || !isOneOf(int(*value), choices))
        return current;
    return int(*value);
}

} // namespace

bool englishChosen(const SettingsStore &store)
{
    return store.isOn(Keys::EnglishJapanese, !SystemLanguage::isJapanese());
}

OptionsModel::OptionsModel(SettingsStore &store, QObject *parent)
    : QObject(parent)
    , m_store(store)
    , m_english(englishChosen(store))
    , m_photosPerPage(SettingValue::initialWhole(Keys::PhotoPiece))
    , m_rowWidth(SettingValue::initialWhole(Keys::AlbumLine))
    , m_reductionScale(SettingValue::initialWhole(Keys::JPEGReduction))
{
    resetPrograms();
}

bool OptionsModel::isRowWidth(int width)
{
    return isOneOf(width, RowWidths);
}

bool OptionsModel::isReductionScale(int scale)
{
    return isOneOf(scale, ReductionScales);
}

void OptionsModel::load()
{
    m_browser = m_store.read(Keys::DIRbrowser, m_browser);
    m_commentTool = m_store.read(Keys::DIRftp, m_commentTool);
    m_editor = m_store.read(Keys::DIRediter, m_editor);
    m_deleteOldThumbnails = m_store.isOn(Keys::CheckWarningJPG, m_deleteOldThumbnails);
    m_imageToClipboard = m_store.isOn(Keys::IMGClipBoard, m_imageToClipboard);
    m_linksOpenNewWindow = m_store.isOn(Keys::CheckTARGET, m_linksOpenNewWindow);
    if (const std::optional<QString> source = m_store.stored(Keys::DateSource))
        m_shotDates = isShotDateSource(*source);
    m_captionsFromPhotos = m_store.isOn(Keys::CaptionsFromPhotos, m_captionsFromPhotos);
    m_commentsIntoPhotos = m_store.isOn(Keys::CommentsIntoPhotos, m_commentsIntoPhotos);
    m_photosPerPage = m_store.whole(Keys::PhotoPiece, m_photosPerPage);
    m_rowWidth = storedChoice(m_store, Keys::AlbumLine, m_rowWidth, RowWidths);
    m_reductionScale = storedChoice(m_store, Keys::JPEGReduction, m_reductionScale, ReductionScales);
    takeSwitch(m_askBeforeDeletingImage, m_store.isOn(Keys::CheckWarning, m_askBeforeDeletingImage),
               &OptionsModel::askBeforeDeletingImageChanged);
    takeSwitch(m_askBeforeDeletingOldPages, m_store.isOn(Keys::CheckWarningHtml, m_askBeforeDeletingOldPages),
               &OptionsModel::askBeforeDeletingOldPagesChanged);
    m_languageChosen = m_store.stored(Keys::EnglishJapanese).has_value();
    takeSwitch(m_english, englishChosen(m_store), &OptionsModel::englishChanged);
    emit changed();
}

// A loaded switch that the windows show is announced, not stored again.
void OptionsModel::takeSwitch(bool &value, bool on, void (OptionsModel::*announce)(bool))
{
    if (value == on)
        return;
    value = on;
    emit(this->*announce)(on);
}

void OptionsModel::save()
{
    m_store.write(Keys::DIRbrowser, m_browser);
    m_store.write(Keys::DIRftp, m_commentTool);
    m_store.write(Keys::DIRediter, m_editor);
    m_store.write(Keys::CheckWarning, SettingValue::switchText(m_askBeforeDeletingImage));
    m_store.write(Keys::CheckWarningHtml, SettingValue::switchText(m_askBeforeDeletingOldPages));
    m_store.write(Keys::CheckWarningJPG, SettingValue::switchText(m_deleteOldThumbnails));
    m_store.write(Keys::PhotoPiece, QString::number(m_photosPerPage));
    if (m_languageChosen)
        m_store.write(Keys::EnglishJapanese, SettingValue::switchText(m_english));
    m_store.write(Keys::IMGClipBoard, SettingValue::switchText(m_imageToClipboard));
    m_store.write(Keys::CheckTARGET, SettingValue::switchText(m_linksOpenNewWindow));
}

// Every section goes; a section that is not there has nothing to delete.
void OptionsModel::deleteStored()
{
    for (const char *section : {Section::Save, Section::Mode, Section::ColorSet}) {
        try {
            m_store.deleteSection(QString::fromLatin1(section));
        } catch (const Failure &) {
        }
    }
}

void OptionsModel::resetPrograms()
{
    setBrowser(Paths::defaultBrowser());
    setCommentTool(Paths::commentTool());
    setEditor(Paths::defaultEditor());
}

void OptionsModel::setBrowser(const QString &path)
{
    setPath(m_browser, path);
}

void OptionsModel::setCommentTool(const QString &path)
{
    setPath(m_commentTool, path);
}

void OptionsModel::setEditor(const QString &path)
{
    setPath(m_editor, path);
}

// Paths are stored on save only.
void OptionsModel::setPath(QString &value, const QString &path)
{
    if (value == path)
        return;
    value = path;
    emit changed();
}

// Stores a switch as it changes; false when it was already so.
bool OptionsModel::storeSwitch(bool &value, bool on, const SettingKey &key)
{
    if (value == on)
        return false;
    value = on;
    m_store.write(key, SettingValue::switchText(on));
    emit changed();
    return true;
}

void OptionsModel::setAskBeforeDeletingImage(bool on)
{
    if (storeSwitch(m_askBeforeDeletingImage, on, Keys::CheckWarning))
        emit askBeforeDeletingImageChanged(on);
}

void OptionsModel::setAskBeforeDeletingOldPages(bool on)
{
    if (storeSwitch(m_askBeforeDeletingOldPages, on, Keys::CheckWarningHtml))
        emit askBeforeDeletingOldPagesChanged(on);
}

void OptionsModel::setDeleteOldThumbnails(bool on)
{
    storeSwitch(m_deleteOldThumbnails, on, Keys::CheckWarningJPG);
}

void OptionsModel::setImageToClipboard(bool on)
{
    storeSwitch(m_imageToClipboard, on, Keys::IMGClipBoard);
}

void OptionsModel::setLinksOpenNewWindow(bool on)
{
    storeSwitch(m_linksOpenNewWindow, on, Keys::CheckTARGET);
}

// Once chosen, the language is stored whether or not it changed: the
// dialog's load stores it, as its box's click does. The system's language is
// never stored: the store keeps only what the user chose.
void OptionsModel::setEnglish(bool on)
{
    const bool changedNow = m_english != on;
    m_english = on;
    m_languageChosen = m_languageChosen || changedNow;
    if (m_languageChosen)
        m_store.write(Keys::EnglishJapanese, SettingValue::switchText(on));
    if (changedNow) {
        emit englishChanged(on);
        emit changed();
    }
}

bool OptionsModel::isShotDateSource(const QString &stored)
{
    return stored == QLatin1String(DateSourceValue::Shot);
}

void OptionsModel::setShotDates(bool on)
{
    if (on == m_shotDates)
        return;
    m_shotDates = on;
    m_store.write(Keys::DateSource, QLatin1String(on ? DateSourceValue::Shot : DateSourceValue::File));
    emit changed();
}

void OptionsModel::setCaptionsFromPhotos(bool on)
{
    storeSwitch(m_captionsFromPhotos, on, Keys::CaptionsFromPhotos);
}

void OptionsModel::setCommentsIntoPhotos(bool on)
{
    storeSwitch(m_commentsIntoPhotos, on, Keys::CommentsIntoPhotos);
}

void OptionsModel::setPhotosPerPage(int count)
{
    if (count == m_photosPerPage)
        return;
    m_photosPerPage = count;
    emit changed();
}

void OptionsModel::setRowWidth(int width)
{
    if (width == m_rowWidth || !isRowWidth(width))
        return;
    m_rowWidth = width;
    m_store.write(Keys::AlbumLine, QString::number(width));
    emit changed();
}

void OptionsModel::setReductionScale(int scale)
{
    if (scale == m_reductionScale || !isReductionScale(scale))
        return;
    m_reductionScale = scale;
    m_store.write(Keys::JPEGReduction, QString::number(scale));
    emit changed();
}
