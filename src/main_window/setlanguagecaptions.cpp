// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/setlanguagecaptions.h"

#include "main_window/form1.h"
#include "main_window/forms.h"
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

void applyRows(QWidget &window, std::span<const Captions::Row> rows, Captions::Language language)
{
    for (const Captions::Row &row : rows)
        setCaption(window, row.control, row.text(language));
}

} // namespace

Captions::Language captionLanguage(const OptionsModel &options)
{
    return options.english() ? Captions::Language::English : Captions::Language::Japanese;
}

void SetLanguageCaptions(Forms &forms)
{
    Form1 &form1 = forms.form1();
    frmOptions &options = forms.options();
    form1.m_commentToolPresent = Captions::commentToolPresent();
    const OptionsModel &model = forms.optionsModel();
    const Captions::Language language = captionLanguage(model);
    const QString commentCaption = Captions::commentTool(form1.m_commentToolPresent, language);

    applyRows(options, Captions::optionsRows(), language);
    options.Label9->setText(commentCaption);

    applyRows(form1, Captions::form1Rows(), language);
    form1.cmdFTP->setText(commentCaption);
    form1.cmdJPGDEL->setText(Captions::deleteButton(model.askBeforeDeletingImage(), language));
    form1.cmdAlbum->setText(Captions::albumButton(model.askBeforeDeletingOldPages(), language));
}
