// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/folderfiles.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

// Writes the pages of one build into their folder as one set: either every
// new page stands in place and the pages it replaces are gone, or the folder
// keeps its earlier pages exactly, whatever stops the build (a kill at any
// moment, a full disk, a page that cannot be replaced).
//
// Each page goes first to a hidden temporary file, whose writing to disk
// starts at once. commit() waits until all of them stand on disk, then writes
// the journal, which names every temporary with its page and every earlier
// page to remove. The journal appears whole, by a rename, and from that
// moment the new set is decided: the temporaries are renamed in, the earlier
// pages removed, and the journal goes last. A build stopped before the
// journal has touched no page; one stopped after it is finished by the next
// build's recover(). The new pages carry the comments of the earlier ones, so
// at every moment each comment is on disk in the set that will stand.
class PageSetWriter
{
public:
    explicit PageSetWriter(const QString &folder);
    ~PageSetWriter(); // removes the temporaries of a set never committed
    PageSetWriter(const PageSetWriter &) = delete;
    PageSetWriter &operator=(const PageSetWriter &) = delete;

    // Writes a page under a temporary name; false when it cannot be written
    // or its name is taken by a folder. Then the set will not be committed.
    bool add(const QString &name, const QByteArray &bytes);
    // Puts every added page in place and removes the obsolete pages, as one
    // set. False when the new set is not in place: then either the earlier
    // pages stand untouched, or the journal stays for recover() to finish.
    bool commit(const QStringList &obsolete = {});

    // Run by every build, holding the folder's lock, before it reads the
    // pages: finishes a set that a stopped build decided and removes the
    // temporaries that stopped builds and reductions leave. False when a
    // decided set could not be finished; its journal then stays in place.
    // A journal that no build wrote (it names anything but page temporaries
    // and album pages, is no regular file, too large or not whole) is not
    // followed: it is set aside, and onRefused gets the name it now has.
    static bool recover(const QString &folder, const std::function<void(const QString &)> &onRefused = {});

    // For tests: asked before every call that changes the disk; once it
    // answers true, the page set stops there as a killed build would.
    static void setStopHook(std::function<bool()> stopHere);

private:
    struct Pending
    {
        QString name;
        QString temporary;
    };
    FolderFiles m_files;
    QList<Pending> m_pending;
    bool m_failed = false;
};
