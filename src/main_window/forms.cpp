// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/forms.h"

#include "lang/captions.h"
#include "main_window/form1.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "main_window/setlanguagecaptions.h"

#include <QCheckBox>
#include <QPushButton>

Forms::Forms(SettingsStore &store, Services services)
    : m_store(store)
    , m_services(services)
    , m_optionsModel(store)
    , m_designModel(store)
    , m_form1(std::make_unique<Form1>(*this, store, services))
{
    connectModels();
}

// The dialogs are the window's children and go with it.
Forms::~Forms() = default;

frmOptions &Forms::options()
{
    if (!m_options) {
        // Registered before its load runs, as the load reaches back for it.
        m_options = new frmOptions(m_optionsModel, m_services, m_form1.get());
        QObject::connect(m_options, &frmOptions::unloaded, m_options, [this] {
            m_options->deleteLater();
            m_options = nullptr;
        });
        connectOptions();
        m_options->Form_Load();
    }
    return *m_options;
}

frmDesign &Forms::design()
{
    if (!m_design) {
        m_design = new frmDesign(m_designModel, m_services, m_form1.get());
        QObject::connect(m_design, &QDialog::finished, m_design, [this] { forgetDesign(); });
        m_design->Form_Load();
    }
    return *m_design;
}

void Forms::loadModels()
{
    m_optionsModel.load();
    m_designModel.load();
}

// The delete and album buttons end in "*" while their confirmation is on;
// the Adjust box shows the box a size bar sets.
void Forms::connectModels()
{
    Form1 *form1 = m_form1.get();
    QObject::connect(&m_optionsModel, &OptionsModel::askBeforeDeletingImageChanged, form1,
                     [form1](bool on) { form1->cmdJPGDEL->setText(Captions::deleteButton(on)); });
    QObject::connect(&m_optionsModel, &OptionsModel::askBeforeDeletingOldPagesChanged, form1,
                     [form1](bool on) { form1->cmdAlbum->setText(Captions::albumButton(on)); });
    QObject::connect(&m_designModel, &DesignModel::thumbnailBoxChanged, form1, &Form1::showThumbnailBox);
}

void Forms::connectOptions()
{
    Form1 *form1 = m_form1.get();
    QObject::connect(m_options, &frmOptions::languageChosen, form1, [this] { SetLanguageCaptions(*this); });
    QObject::connect(m_options, &frmOptions::settingsDeleted, form1, &QWidget::close);
}

void Forms::forgetDesign()
{
    if (m_design) {
        m_design->deleteLater();
        m_design = nullptr;
    }
}

void Forms::closeDialogs()
{
    if (m_design) {
        m_design->close();
        forgetDesign();
    }
    if (m_options)
        m_options->close();
}
