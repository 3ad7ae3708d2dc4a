// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/systemlanguage.h"

#include <QByteArray>
#include <QLocale>
#include <QString>

namespace SystemLanguage {

namespace {

QByteArray messageLocale()
{
    const QByteArray languages = qgetenv("LANGUAGE");
    if (!languages.isEmpty())
        return languages.split(':').constFirst();
    for (const char *variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray name = qgetenv(variable);
        if (!name.isEmpty())
            return name;
    }
    return {};
}

} // namespace

bool isJapanese()
{
    // "ja_JP.UTF-8" and "ja" alike; the codeset and modifier say nothing of the language.
    const QByteArray name = messageLocale();
    return QLocale(QString::fromLatin1(name.split('.').constFirst())).language() == QLocale::Japanese;
}

} // namespace SystemLanguage
