// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class SettingsStore;
struct SettingKey;

// The stored interface language, or the system's when none is stored: English
// (true) unless the choice is Japanese. Both windows and velmo-album read it.
bool englishChosen(const SettingsStore &store);

// Velmo's options: the programs the main window starts, the confirmation and
// link switches, the interface language, the album layout and the reduction
// scale. Loaded once from the store; the options dialog edits it and the
// main window, the album build and velmo-album read it.
//
// Switches, the row width and the scale are stored as they are set; the
// program paths and the photo count when the dialog saves.
class OptionsModel : public QObject
{
    Q_OBJECT

public:
    explicit OptionsModel(SettingsStore &store, QObject *parent = nullptr);

    // Takes every stored option; an absent key, or a text that is not one of
    // the option's values, keeps the value the model has.
    void load();
    // Stores the paths, the switches and the photo count.
    void save();
    // Deletes every stored setting, the design's included.
    void deleteStored();

    QString browser() const { return m_browser; }
    QString commentTool() const { return m_commentTool; }
    QString editor() const { return m_editor; }
    void setBrowser(const QString &path);
    void setCommentTool(const QString &path);
    void setEditor(const QString &path);
    // The installed programs' places, kept until the next save.
    void resetPrograms();

    bool askBeforeDeletingImage() const { return m_askBeforeDeletingImage; }
    bool askBeforeDeletingOldPages() const { return m_askBeforeDeletingOldPages; }
    bool deleteOldThumbnails() const { return m_deleteOldThumbnails; }
    bool imageToClipboard() const { return m_imageToClipboard; }
    bool linksOpenNewWindow() const { return m_linksOpenNewWindow; }
    // English windows and messages; with no language stored, the system's
    // message language decides (English unless it is Japanese).
    bool english() const { return m_english; }
    void setAskBeforeDeletingImage(bool on);
    void setAskBeforeDeletingOldPages(bool on);
    void setDeleteOldThumbnails(bool on);
    void setImageToClipboard(bool on);
    void setLinksOpenNewWindow(bool on);
    void setEnglish(bool on);

    // What the photos themselves say, stored as they are set.
    bool shotDates() const { return m_shotDates; }
    bool captionsFromPhotos() const { return m_captionsFromPhotos; }
    bool commentsIntoPhotos() const { return m_commentsIntoPhotos; }
    void setShotDates(bool on);
    void setCaptionsFromPhotos(bool on);
    void setCommentsIntoPhotos(bool on);
    // The stored date source: true for "shot".
    static bool isShotDateSource(const QString &stored);

    // Thumbnails per album page; 0 is no limit.
    int photosPerPage() const { return m_photosPerPage; }
    void setPhotosPerPage(int count);
    // Thumbnails per table row: 1, 2 or 3.
    int rowWidth() const { return m_rowWidth; }
    void setRowWidth(int width);
    // Thumbnails are reduced to 1/scale: 1 (not reduced), 2, 4 or 8.
    int reductionScale() const { return m_reductionScale; }
    void setReductionScale(int scale);

    static bool isRowWidth(int width);
    static bool isReductionScale(int scale);

signals:
    // A switch, count or choice changed, from the dialog or by a load.
    void askBeforeDeletingImageChanged(bool on);
    void askBeforeDeletingOldPagesChanged(bool on);
    void englishChanged(bool on);
    void changed();

private:
    bool storeSwitch(bool &value, bool on, const SettingKey &key);
    void setPath(QString &value, const QString &path);
    void takeSwitch(bool &value, bool on, void (OptionsModel::*announce)(bool));

    SettingsStore &m_store;
    QString m_browser;
    QString m_commentTool;
    QString m_editor;
    bool m_askBeforeDeletingImage = false;
    bool m_askBeforeDeletingOldPages = false;
    bool m_deleteOldThumbnails = false;
    bool m_imageToClipboard = false;
    bool m_linksOpenNewWindow = false;
    bool m_english;
    // The user chose the language (it is stored), or only the system did.
    bool m_languageChosen = false;
    bool m_shotDates = false;
    bool m_captionsFromPhotos = false;
    bool m_commentsIntoPhotos = false;
    int m_photosPerPage;
    int m_rowWidth;
    int m_reductionScale;
};
