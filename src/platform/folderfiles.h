// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <sys/types.h>

// The file calls of a set of files written into one folder as a whole. Names
// are relative to the folder opened once, so the set never spreads over two
// folders even when the folder is renamed meanwhile. A name is one entry of
// the folder (isEntryName); any other name, which could reach past the
// folder, fails every call. No call follows a symbolic link: a link is
// renamed or removed as itself, and never read or written through. Every call that changes
// the disk first asks stopHere (when given); once it answers true, this
// object changes nothing more, exactly as if the process had been killed at
// that call. Tests use it to stop a page set at every step in turn.
class FolderFiles
{
public:
    explicit FolderFiles(const QString &folder, std::function<bool()> stopHere = {});
    ~FolderFiles();
    FolderFiles(const FolderFiles &) = delete;
    FolderFiles &operator=(const FolderFiles &) = delete;

    // Not empty, not "." or "..", no "/" and no NUL.
    static bool isEntryName(const QString &name);
    // Larger files are not read whole: nothing read this way is ever that big.
    static constexpr qint64 ReadLimit = 64 * 1024 * 1024;

    bool isOpen() const { return m_fd >= 0; }
    // Stopped by stopHere: nothing more is written.
    bool stopped() const { return m_stopped; }

    // Creates a new file named prefix + six random letters or digits with the
    // mode of any new file, writes bytes into it and starts writing them to
    // disk. Returns the name, or nothing when it could not be written whole.
    std::optional<QString> create(const QString &prefix, const QByteArray &bytes);
    // Waits until the file's data stand on disk.
    bool syncFile(const QString &name);
    // Renames within the folder, replacing a file of the new name.
    bool rename(const QString &from, const QString &to);
    bool remove(const QString &name);
    // Makes the renames and removals so far stand on disk.
    bool syncFolder();
    // Gives the file "to" the permission bits (read, write and execute for
    // owner, group and others) of the regular file "from"; neither name is
    // followed when it is a link.
    bool copyPermissions(const QString &from, const QString &to);
    // Gives the file "to" the modification time of "from", to the
    // nanosecond; neither name is followed when it is a link.
    bool copyModificationTime(const QString &from, const QString &to);
    // Whether a replaced file takes the time of its replacement or keeps its own.
    enum class Modified { Now, Kept };
    // Puts bytes in place under name, whole or not at all: they are written
    // to a new temporary (prefix + six letters or digits) and flushed, which
    // then takes the name by a rename. A regular file of that name passes on
    // its permissions, and with Modified::Kept its modification time; a link
    // of that name is replaced, not written through.
    bool replace(const QString &name, const QByteArray &bytes, const QString &temporaryPrefix,
                 Modified modified = Modified::Now);

    // An entry of that name exists, of any kind (a dangling link included).
    bool exists(const QString &name) const;
    bool isFolder(const QString &name) const;
    // A regular file itself, not a link to one.
    bool isRegularFile(const QString &name) const;
    // The bytes of a regular file of at most limit bytes.
    std::optional<QByteArray> read(const QString &name, qint64 limit = ReadLimit) const;
    // Every name in the folder, hidden ones included, in no order.
    QStringList names() const;

private:
    bool mayChange();
    // The file type bits of the entry itself; nothing when there is none.
    std::optional<mode_t> kind(const QString &name) const;

    int m_fd = -1;
    std::function<bool()> m_stopHere;
    bool m_stopped = false;
};
