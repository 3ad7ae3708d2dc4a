// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/translation.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTranslator>

namespace Translation {

namespace {

// The catalogue, as the build embeds it.
constexpr char EnglishCatalogue[] = ":/i18n/velmo_en.qm";

QTranslator &englishCatalogue()
{
    static QTranslator catalogue;
    if (catalogue.isEmpty() && !catalogue.load(QString::fromLatin1(EnglishCatalogue)))
        qFatal("The English catalogue %s is not built into the program", EnglishCatalogue);
    return catalogue;
}

// The application that has the catalogue installed: a catalogue belongs to
// one application object, and a program may make a second one (the command
// line is read before the window system starts).
QPointer<QCoreApplication> installedIn;

} // namespace

void use(bool english)
{
    if (english == Translation::english())
        return;
    if (english) {
        QCoreApplication::installTranslator(&englishCatalogue());
        installedIn = QCoreApplication::instance();
    } else {
        QCoreApplication::removeTranslator(&englishCatalogue());
        installedIn = nullptr;
    }
}

bool english()
{
    return installedIn && installedIn == QCoreApplication::instance();
}

} // namespace Translation
