// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/designvalues.h"
#include "platform/services.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class SettingsStore;

// The design dialog: pattern buttons, title and footer, colour buttons with a
// live preview, and the thumbnail box size. Its fields are the live design
// values; the album build and the slide page copy them.
class frmDesign : public QDialog
{
    Q_OBJECT

public:
    frmDesign(SettingsStore &store, Services services, QWidget *parent = nullptr);
    ~frmDesign() override;

    // Reads the stored mode, colour set and sizes into the fields. The owner
    // calls it once, right after construction and after connecting signals.
    void Form_Load();

    // The texts of the twelve design fields as they stand now.
    DesignValues CopyDesignValues() const;
    QString imageWidthText() const;  // TXTIMGWidth
    QString imageHeightText() const; // TXTIMGHeight

    // The dialog's common file dialog, also used by the options dialog's
    // browse buttons. Empty on cancel.
    std::optional<QString> openProgramFile(const QString &title);

signals:
    // "Adjust W 135X H 100": the main window's Adjust box caption after a
    // size bar moved.
    void adjustCaptionChanged(const QString &caption);

    // ... controls and event procedures are the dialog's own.
};
