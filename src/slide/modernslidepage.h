// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/pagewords.h"
#include "design/designvalues.h"

#include <QByteArray>
#include <QDate>
#include <QStringList>

// The modern slide page: one large photo in a box the size of the screen,
// with previous and next links, the arrow keys and a swipe to move. Its
// small script loads the photo shown and the one after it, never the
// others; without the script the links lead to the photos themselves.
namespace ModernSlidePage {
QByteArray page(const DesignValues &design, const QStringList &names, const QDate &updated, PageLanguage language);
} // namespace ModernSlidePage
