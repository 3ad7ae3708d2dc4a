// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

// Velmo's version record and the maker's texts shown by its windows.
namespace ProgramInfo {

// "ヴェルモ/Velmo", the title of every message box of Velmo.
QString title();
// "Velmo 2.7": major and minor version.
QString shortName();
// "for Windows95/98 Version 2.7.0", as the options dialog and the about message write it.
QString versionLine();
// Title and version line, the about message.
QString aboutText();

// The command lines' texts: the hint after a mistake, and the exit codes of
// the window programs for their --help.
QString tryHelp();
QString windowExitCodes();

QString makerNotice();
QString contact();
QString comments();       // the disclaimer
QString legalCopyright(); // the author notice
QUrl downloadPage();
// A new mail to the author with the bug-report subject.
QUrl mailToAuthor();

} // namespace ProgramInfo
