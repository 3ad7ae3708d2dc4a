// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/designvalues.h"

#include <QObject>
#include <QSize>

class SettingsStore;

// The album design: title, footer, colours, colour mode and thumbnail box,
// always what a freshly loaded design dialog would show. The design dialog
// edits a copy of the values and hands it back on OK; the main window, the
// album build and the slide page read the model.
class DesignModel : public QObject
{
    Q_OBJECT

public:
    explicit DesignModel(SettingsStore &store, QObject *parent = nullptr);

    // Reads the colour mode, the colour set and the box. A stored size that
    // had to be replaced (see loadColorSet) is stored replaced, so that it is
    // reported once and not at every start.
    void load();

    const DesignValues &values() const { return m_values; }
    // The stored colour mode: "1", "2", "3", or any other text for none.
    QString colorMode() const { return m_colorMode; }
    // The thumbnail box in page pixels.
    QSize thumbnailBox() const;

    // Stores the page style at once, as the dialog's style choice does.
    void setPageStyle(PageStyle style);
    // Stores the mode and takes the design it names.
    void setColorMode(const QString &mode);
    // Fills edited design values for the stored mode, as a pattern choice
    // does: the stored set (absent keys keep the edit) or the preset.
    ColorButtons loadColorSet(DesignValues &edited) const;
    // A size bar's setting: stored at once and announced, moved or not.
    void setBoxWidth(int width);
    void setBoxHeight(int height);
    // OK: stores the edited set (for set 1 or 2) and the box, then holds
    // what a load gives from there.
    void save(const DesignValues &edited);

signals:
    void thumbnailBoxChanged(const QSize &box);
    void changed();

private:
    void reload();

    SettingsStore &m_store;
    DesignValues m_values;
    QString m_colorMode;
};
