// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The names that make up an album in its folder: which files are album
// pages, and the hidden files that writers of pages leave while they work.
// Every reader and writer of pages takes these rules from here.
namespace PageFormat {

// What the build writes and what it replaces: "Album" then anything, ending
// ".html", in any case ("Album001.html", "ALBUM7.HTML").
QString pagePattern();
bool isBuildPageName(const QString &name);

// Hidden temporaries of pages, Slide.html and the comment tool's write-back:
// TemporaryPrefix and six letters or digits.
extern const QString TemporaryPrefix;
bool isPageTemporary(const QString &name);

// The journal of a page set being put in place, and where a journal that
// is not followed is set aside.
extern const QString JournalName;
extern const QString RefusedJournalName;

} // namespace PageFormat
