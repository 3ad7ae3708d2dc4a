// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>

// The Japanese and English captions of the main window and the options
// dialog. Rows name the control they caption; controls not listed keep their
// own captions in both languages.
namespace Captions {

enum class Language { Japanese, English };

struct Row
{
    const char *control;
    const char *japanese;
    const char *english;
    QString text(Language language) const;
};

// frmOptions rows, except Label9 (see commentTool()).
std::span<const Row> optionsRows();
// Form1 rows, except cmdFTP, cmdJPGDEL and cmdAlbum (see below).
std::span<const Row> form1Rows();

// Caption of cmdFTP and of the options dialog's Label9.
QString commentTool(bool present, Language language);
// cmdJPGDEL, with "*" while deleting asks first.
QString deleteButton(bool warning, Language language);
// cmdAlbum, with "*" while an album build asks before replacing old pages.
QString albumButton(bool warning, Language language);

// Quillet is installed where Velmo starts it from.
bool commentToolPresent();

} // namespace Captions
