// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// True when the thumbnail carries exactly the record that reducing the source
// at 1/denominator with text would write into it (the source's length,
// modification time to the nanosecond and name, the scale, the text and the
// thumbnail's own length), and ends as a complete JPEG does. Such a thumbnail
// is what a fresh reduction would write, byte for byte. Paths in the file
// system's encoding; safe from any thread; nothing but regular files is opened
// for reading, and nothing blocks.
bool thumbnailIsCurrent(const QByteArray &source, const QByteArray &thumbnail, int denominator, const QByteArray &text);

// True when the file carries a record of the reduction library, of any
// source: it is a reduced copy that Velmo made.
bool carriesReductionRecord(const QByteArray &path);
