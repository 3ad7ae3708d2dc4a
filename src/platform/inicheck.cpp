// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/inicheck.h"

#include <QList>

namespace {

enum class LineKind { Blank, Header, Key, Unread };

bool plainText(const QByteArray &line)
{
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && c != '\t') || byte == 0x7f)
            return false;
    }
    return line.isValidUtf8();
}

bool isHeader(const QByteArray &content)
{
    if (!content.startsWith('[') || !content.endsWith(']'))
        return false;
    const QByteArray name = content.mid(1, content.size() - 2);
    return !name.trimmed().isEmpty() && !name.contains('[') && !name.contains(']');
}

// Reads the line as QSettings does: a backslash takes the next character as
// it is, quotes hide ";" and "=", and ";" outside quotes starts a comment.
LineKind kindOf(const QByteArray &line)
{
    if (!plainText(line))
        return LineKind::Unread;
    bool inQuotes = false;
    qsizetype equals = -1;
    qsizetype end = line.size();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char c = line.at(i);
        if (c == '\\') {
            if (++i == line.size())
                return LineKind::Unread; // joined to the next line
        } else if (c == '"') {
            inQuotes = !inQuotes;
        } else if (!inQuotes && c == ';') {
            end = i;
            break;
        } else if (!inQuotes && c == '=' && equals < 0) {
            equals = i;
        }
    }
    if (inQuotes)
        return LineKind::Unread; // the quote runs on into the next line
    const QByteArray content = line.left(end).trimmed();
    if (content.isEmpty())
        return LineKind::Blank;
    if (content.startsWith('['))
        return isHeader(content) ? LineKind::Header : LineKind::Unread;
    return equals >= 0 && !line.left(equals).trimmed().isEmpty() ? LineKind::Key : LineKind::Unread;
}

} // namespace

IniCheck checkIni(const QByteArray &file)
{
    static const QByteArray byteOrderMark("\xEF\xBB\xBF");
    IniCheck check;
    bool inUnreadSection = false;
    QList<QByteArray> lines = file.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast(); // after the last line break
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArray line = lines.at(i);
        if (line.endsWith('\r'))
            line.chop(1);
        if (i == 0 && line.startsWith(byteOrderMark))
            line.remove(0, byteOrderMark.size());
        const LineKind kind = kindOf(line);
        // QSettings takes any line starting with "[" for a header.
        if (line.trimmed().startsWith('['))
            inUnreadSection = kind == LineKind::Unread;
        if (kind == LineKind::Unread && !check.firstUnread)
            check.firstUnread = UnreadLine{int(i + 1), QString::fromUtf8(line)};
        if (kind != LineKind::Unread && !inUnreadSection)
            check.readable += line + '\n';
    }
    return check;
}
