// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: the comment block reader on any page bytes. The blocks
// must lie inside the page, in page order and apart; a page whose marker
// text is escaped as a comment's must hold no block at all.
#include "album/pagecomments.h"

#include "fuzzrequire.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray page(reinterpret_cast<const char *>(data), qsizetype(size));
    qsizetype previousEnd = 0;
    for (const PageBlocks::Block &block : PageBlocks::read(page)) {
        require(previousEnd <= block.begin && block.begin <= block.end && block.end <= page.size());
        require(!block.broken || block.begin == block.end);
        previousEnd = block.end;
    }
    require(PageBlocks::read(PageBlocks::withoutMarkers(page)).isEmpty());
    return 0;
}
