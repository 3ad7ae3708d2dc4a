// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/services.h"

#include <QPointer>
#include <memory>

class Form1;
class frmDesign;
class frmOptions;
class SettingsStore;

// Velmo's windows. Owns the main window; creates the options and design
// dialogs, hidden and loaded, on their first touch, and forgets each when it
// closes, so the next touch loads it again from the store.
class Forms
{
public:
    Forms(SettingsStore &store, Services services);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    Form1 &form1() { return *m_form1; }
    frmOptions &options();
    frmDesign &design();
    bool hasOptions() const { return !m_options.isNull(); }
    bool hasDesign() const { return !m_design.isNull(); }

    // Closes the design dialog, then the options dialog (which saves).
    void closeDialogs();

private:
    void connectOptions();
    void forgetDesign();

    SettingsStore &m_store;
    Services m_services;
    std::unique_ptr<Form1> m_form1;
    QPointer<frmOptions> m_options;
    QPointer<frmDesign> m_design;
};
