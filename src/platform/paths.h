// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where Velmo's pieces live. The install prefix P is the parent of the folder
// that holds the running program (programs live in P/bin); VELMO_PREFIX, when
// set, replaces it so tests can make optional pieces present or absent.
namespace Paths {
QString installPrefix();
QString reductionLibrary(); // P/lib/velmo/RdctJPEG.so
QString commentTool();      // P/bin/quillet
QString mainProgram();      // P/bin/velmo
QString settingsFile();     // $XDG_CONFIG_HOME/Velmo/Velmo.conf

// A folder joined with a name: "/" between them, never doubled at the root.
QString join(const QString &folder, const QString &name);
// The folder with its separator, as file commands prefix names with it.
QString withSeparator(const QString &folder);

// A file of exactly that name exists and is a regular file. The name part is
// compared with letter case, as the folder listing would show it.
bool isRegularFile(const QString &path);
// This process may add and remove entries of the folder: it has write and
// search permission there, as the kernel checks them for it.
bool canWriteInto(const QString &folder);

// Program defaults of the options dialog's program fields.
QString defaultBrowser();
QString defaultEditor();
QString defaultFtpClient();
QString homeFolder();
} // namespace Paths
