// SPDX-License-Identifier: GPL-3.0-or-later
#include "comment_tool/commentdrop.h"
#include "album/pageformat.h"

#include "album/htmltext.h"
#include "album/pagesetwriter.h"
#include "comment_tool/albumindex.h"
#include "comment_tool/albumpagefile.h"
#include "comment_tool/commentblock.h"
#include "metadata/photocaption.h"
#include "platform/failure.h"
#include "platform/folderlock.h"
#include "platform/paths.h"

#include <QFileInfo>

namespace {

// The photo a dropped location stands for.
DropLocation photoOf(const DropLocation &dropped, const AlbumIndex &index)
{
    if (PageFormat::isCommentToolPageName(dropped.name)) {
        const QString first = index.firstImageOf(dropped.name);
        if (!first.isEmpty())
            return {dropped.folder, first};
    }
    if (index.position(dropped.name) < 0 && dropped.isThumbnail() && Paths::isRegularFile(dropped.photo().path()))
        return dropped.photo();
    return dropped;
}

// Why the comment of a present block is not edited (a CommentFailure), or 0.
int refusalOf(const CommentBlock &block)
{
    switch (block.editing()) {
    case CommentBlock::Editing::TooLarge:
        return FailureCode::CommentTooLarge;
    case CommentBlock::Editing::NotPageText:
        return FailureCode::CommentNotPageText;
    case CommentBlock::Editing::Editable:
        break;
    }
    return 0;
}

} // namespace

namespace CommentDrop {

CommentSource locate(const DropLocation &dropped, AlbumIndex &index)
{
    index.refresh(dropped.folder);
    CommentSource source;
    source.photo = photoOf(dropped, index);
    for (const AlbumIndex::Holder &holder : index.holders(source.photo.name)) {
        const QString &page = index.pages().at(holder.page);
        if (holder.broken) {
            source.broken = page;
            continue;
        }
        source.pages.append(page);
    }
    if (source.pages.isEmpty())
        return source;
    const QString target = source.pages.last();
    if (!AlbumPageFile::isRegularFile(target)) {
        source.target = target;
        source.refused = FailureCode::PageNotRegularFile;
        return source;
    }
    const CommentBlock block(AlbumPageFile::read(target), source.photo.name);
    if (block.state() != CommentBlock::State::Present) {
        source.broken = target; // changed since the index was read
        return source;
    }
    source.target = target;
    source.refused = refusalOf(block);
    if (source.editable()) {
        source.comment = block.comment();
        source.block = block.bytes();
    }
    return source;
}

Written write(CommentSource &source, const QString &comment, const std::function<void()> &onWait, IntoPhoto intoPhoto)
{
    if (source.target.isEmpty())
        throw Failure(FailureCode::PathFileAccess);
    if (!source.editable())
        throw Failure(source.refused, source.target);
    const QFileInfo target(source.target);
    if (target.absolutePath() != QFileInfo(source.photo.path()).absolutePath())
        throw Failure(FailureCode::MarkersMissing, source.target);
    FolderLock lock(target.absolutePath());
    if (!lock.lock(onWait))
        throw Failure(FailureCode::PathFileAccess, source.target);
    // A build killed after deciding its new page set leaves it for the next
    // writer to finish; finishing it later would overwrite this comment.
    if (!PageSetWriter::recover(target.absolutePath()))
        throw Failure(FailureCode::PageNotWritable, source.target);
    if (!AlbumPageFile::isRegularFile(source.target))
        throw Failure(FailureCode::PageNotRegularFile, source.target);
    const CommentBlock block(AlbumPageFile::read(source.target), source.photo.name);
    if (block.state() != CommentBlock::State::Present)
        throw Failure(FailureCode::MarkersMissing, source.target);
    if (block.bytes() != source.block)
        throw Failure(FailureCode::ChangedElsewhere, source.target);
    const std::optional<QByteArray> page = block.withComment(comment);
    if (!page)
        throw Failure(FailureCode::CommentTooLarge, source.target);
    if (*page != block.page()) {
        try {
            AlbumPageFile::write(source.target, *page);
        } catch (const Failure &) {
            throw Failure(FailureCode::PageNotWritable, source.target);
        }
    }
    const CommentBlock written(*page, source.photo.name);
    source.comment = written.comment();
    source.block = written.bytes();
    const bool photoNotWritten = intoPhoto == IntoPhoto::Yes &&
                                 PhotoCaption::write(source.photo.path(), HtmlText::plainText(source.comment),
                                                     PageFormat::TemporaryPrefix) == PhotoCaption::Result::NotWritten;
    return {CommentBlock::writable(comment) != comment, photoNotWritten};
}

} // namespace CommentDrop
