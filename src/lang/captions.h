// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>

// The captions of the main window and the options dialog that follow the
// interface language. Rows name the control they caption and give its
// Japanese caption; the English catalogue holds its English one. Controls not
// listed keep their own captions in both languages.
namespace Captions {

struct Row
{
    const char *control;
    const char *japanese;
    // The caption in the installed language.
    QString text() const;
};

// frmOptions rows, except Label9 (see commentTool()).
std::span<const Row> optionsRows();
// Form1 rows, except cmdFTP, cmdJPGDEL and cmdAlbum (see below).
std::span<const Row> form1Rows();
// Every row, those of commentTool(), deleteButton() and albumButton() too.
std::span<const Row> allRows();

// Caption of cmdFTP and of the options dialog's Label9.
QString commentTool(bool present);
// cmdJPGDEL, with "*" while deleting asks first.
QString deleteButton(bool warning);
// cmdAlbum, with "*" while an album build asks before replacing old pages.
QString albumButton(bool warning);

// Quillet is installed where Velmo starts it from.
bool commentToolPresent();

} // namespace Captions
