// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/forms.h"

#include "main_window/form1.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"
#include "main_window/setlanguagecaptions.h"

#include <QCheckBox>
#include <QPushButton>
#include <utility>

Forms::Forms(SettingsStore &store, Services services)
    : m_store(store)
    , m_services(services)
    , m_form1(std::make_unique<Form1>(*this, store, services))
{}

// The dialogs are the window's children and go with it.
Forms::~Forms() = default;

frmOptions &Forms::options()
{
    if (!m_options) {
        // Registered before its load runs, as the load reaches back for it.
        m_options = new frmOptions(*this, m_store, m_services, m_form1.get());
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
        m_design = new frmDesign(m_store, m_services, m_form1.get());
        QObject::connect(m_design, &frmDesign::adjustCaptionChanged, m_form1->Check5, &QCheckBox::setText);
        QObject::connect(m_design, &QDialog::finished, m_design, [this] { forgetDesign(); });
        m_design->Form_Load();
    }
    return *m_design;
}

// The main window's hidden switches follow the dialog's boxes, and its
// buttons take the captions the dialog chooses.
void Forms::connectOptions()
{
    Form1 *form1 = m_form1.get();
    const std::pair<QCheckBox *, QCheckBox *> mirrors[] = {{m_options->CheckWarning, form1->CheckWarning},
                                                           {m_options->CheckWarningHtml, form1->CheckWarningHtml},
                                                           {m_options->CheckWarningJPG, form1->CheckWarningJPG},
                                                           {m_options->CheckTARGET, form1->CheckTARGET}};
    for (const auto &[box, mirror] : mirrors)
        QObject::connect(box, &QCheckBox::toggled, mirror, &QCheckBox::setChecked);
    QObject::connect(m_options, &frmOptions::deleteCaptionChanged, form1->cmdJPGDEL, &QPushButton::setText);
    QObject::connect(m_options, &frmOptions::albumCaptionChanged, form1->cmdAlbum, &QPushButton::setText);
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
