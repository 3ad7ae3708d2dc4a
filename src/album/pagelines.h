// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "album/htmltext.h"

#include <QByteArray>
#include <QString>

// Page text built line by line: UTF-8, every line ending in CR LF, indented
// lines starting with the pages' common run of blanks.
class PageLines
{
public:
    void line(const QString &text) { m_bytes += text.toUtf8() + "\r\n"; }
    void indented(const QString &text) { m_bytes += HtmlText::Indent + text.toUtf8() + "\r\n"; }
    // An indented line of bytes that pass unchanged: a carried comment that is
    // not valid text stays exactly as it was stored.
    void indentedBytes(const QByteArray &bytes) { m_bytes += HtmlText::Indent + bytes + "\r\n"; }
    void lineBytes(const QByteArray &bytes) { m_bytes += bytes + "\r\n"; }
    // The keywords and content-type lines that open the head of every page.
    void metaLines()
    {
        line(QStringLiteral("<META name=\"keywords\" lang=\"ja\" content=\"ヴェルモ,Velmo,Tarvex,Kelvane\">"));
        line(QStringLiteral("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html;charset=UTF-8\">"));
    }
    QByteArray bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
};
