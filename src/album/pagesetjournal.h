// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/folderfiles.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

// What a decided page set still has to do: the page temporaries to rename
// onto their pages and the earlier pages to remove. It is written into the
// folder before the first page changes, and read back by the next writer when
// a build stopped halfway.
//
// The folder is input like any other file in it, so a journal is followed
// only when it names nothing but what a build makes: a put moves a page
// temporary onto an album page, a remove names an album page that no put
// writes, each a single entry of the folder.
struct PageSetJournal
{
    // No journal of a real build comes near this: a line for each page of a
    // folder of many thousand photos, with long encoded names.
    static constexpr qint64 SizeLimit = 8 * 1024 * 1024;

    QList<std::pair<QString, QString>> puts; // temporary, page
    QStringList obsolete;

    QByteArray bytes() const;
    // Nothing when the bytes are not a whole journal or name anything else.
    static std::optional<PageSetJournal> parse(const QByteArray &bytes);

    // Renames in the temporaries not yet renamed and removes the obsolete
    // pages still there, then the journal. Done again after a stop, it does
    // only what is left.
    bool finish(FolderFiles &files) const;
};
