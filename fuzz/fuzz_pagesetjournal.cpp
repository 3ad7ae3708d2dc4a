// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the page set journal reader on any bytes. A journal it
// accepts names only single entries of the folder: page temporaries put onto
// album pages, album pages removed, none both; and it reads back the same
// from the bytes it writes.
#include "album/pageformat.h"
#include "album/pagesetjournal.h"
#include "platform/folderfiles.h"

#include "fuzzrequire.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<PageSetJournal> journal = PageSetJournal::parse(bytes);
    if (!journal)
        return 0;
    for (const auto &[temporary, page] : journal->puts) {
        require(FolderFiles::isEntryName(temporary) && PageFormat::isPageTemporary(temporary));
        require(FolderFiles::isEntryName(page) && PageFormat::isBuildPageName(page));
        require(!journal->obsolete.contains(page));
    }
    for (const QString &page : journal->obsolete)
        require(FolderFiles::isEntryName(page) && PageFormat::isBuildPageName(page));
    const std::optional<PageSetJournal> again = PageSetJournal::parse(journal->bytes());
    require(again && again->puts == journal->puts && again->obsolete == journal->obsolete);
    return 0;
}
