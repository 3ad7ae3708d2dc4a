// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "design/designmodel.h"
#include "platform/services.h"
#include "settings/optionsmodel.h"

#include <QPointer>
#include <memory>

class Form1;
class frmDesign;
class frmOptions;
class SettingsStore;

// Velmo's windows and the two models they share. Owns the options and design
// models and the main window; creates the options and design dialogs, hidden
// and loaded, on their first touch, and forgets each when it closes, so the
// next touch loads it again.
class Forms
{
public:
    Forms(SettingsStore &store, Services services);
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    Form1 &form1() { return *m_form1; }
    OptionsModel &optionsModel() { return m_optionsModel; }
    DesignModel &designModel() { return m_designModel; }
    // Reads both models from the store; the main window's start-up does.
    void loadModels();
    frmOptions &options();
    frmDesign &design();
    bool hasOptions() const { return !m_options.isNull(); }
    bool hasDesign() const { return !m_design.isNull(); }

    // Closes the design dialog, then the options dialog (which saves).
    void closeDialogs();

private:
    void connectOptions();
    void connectModels();
    void forgetDesign();

    SettingsStore &m_store;
    Services m_services;
    OptionsModel m_optionsModel;
    DesignModel m_designModel;
    std::unique_ptr<Form1> m_form1;
    QPointer<frmOptions> m_options;
    QPointer<frmDesign> m_design;
};
