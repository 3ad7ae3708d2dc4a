// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// A line of an INI file that Velmo does not read.
struct UnreadLine
{
    int number = 0; // counted from 1
    QString text;   // without its line break
};

// The lines of an INI file sorted into those Velmo reads and the rest.
//
// A line is read when it is blank, a comment (";" first), a section header
// "[name]" or a "key=value" line, in UTF-8 without control characters (tabs
// aside), with its quotes closed and no backslash joining it to the next
// line. QSettings reads a file made only of such lines without a format
// error, and each of them exactly as it stands.
struct IniCheck
{
    // The first line not read; nothing when every line is read.
    std::optional<UnreadLine> firstUnread;
    // The lines read, in their order, each ending in a line break. The keys
    // below a header that is not read are left out with it: they belong to a
    // section that cannot be named.
    QByteArray readable;
};

IniCheck checkIni(const QByteArray &file);
