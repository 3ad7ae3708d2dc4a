// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QMimeData;

// Where a dropped image lies: its folder and its file name, the key of its
// comment markers.
struct DropLocation
{
    QString folder;
    QString name;

    QString path() const;
    // A reduced copy ("s_" + name) stands for the photo beside it.
    bool isThumbnail() const;
    DropLocation photo() const; // the location without the "s_" prefix
};

namespace DropText {
// The location a drag carries: the first URL of its uri-list, else its plain
// text. A drag with neither fails with 461.
QString fromMimeData(const QMimeData &data);

// The local path of a dropped location. A "file:" URL is decoded ("%20" is a
// blank); for any other scheme the part after it is taken relative to the
// current folder, where it does not resolve; text without a scheme is a path.
QString localPath(const QString &text);

// The dropped image's folder and name; nothing when the path holds no "/".
std::optional<DropLocation> locate(const QString &text);
} // namespace DropText
