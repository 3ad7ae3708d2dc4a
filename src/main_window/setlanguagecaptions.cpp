// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/setlanguagecaptions.h"

#include "lang/captions.h"
#include "lang/translation.h"
#include "main_window/form1.h"
#include "main_window/forms.h"
#include "main_window/frmdesign.h"
#include "main_window/frmoptions.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

void setCaption(QWidget &window, const char *control, const QString &caption)
{
    QWidget *widget = window.findChild<QWidget *>(QLatin1String(control));
    Q_ASSERT_X(widget, "SetLanguageCaptions", control);
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(caption);
    else if (auto *text = qobject_cast<QLabel *>(widget))
        text->setText(caption);
}

void applyRows(QWidget &window, std::span<const Captions::Row> rows)
{
    for (const Captions::Row &row : rows)
        setCaption(window, row.control, row.text());
}

} // namespace

void SetLanguageCaptions(Forms &forms)
{
    Form1 &form1 = forms.form1();
    frmOptions &options = forms.options();
    const OptionsModel &model = forms.optionsModel();
    Translation::use(model.english());
    // The windows take the new language now, not when its event comes round.
    form1.retranslateUi();
    options.retranslateUi();
    if (forms.hasDesign())
        forms.design().retranslateUi();

    form1.m_commentToolPresent = Captions::commentToolPresent();
    const QString commentCaption = Captions::commentTool(form1.m_commentToolPresent);
    applyRows(options, Captions::optionsRows());
    options.Label9->setText(commentCaption);

    applyRows(form1, Captions::form1Rows());
    form1.cmdFTP->setText(commentCaption);
    form1.cmdJPGDEL->setText(Captions::deleteButton(model.askBeforeDeletingImage()));
    form1.cmdAlbum->setText(Captions::albumButton(model.askBeforeDeletingOldPages()));
}
