// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The language of the modern pages: the interface language the user chose.
enum class PageLanguage { Japanese, English };

// Every word the modern album and slide pages write for the reader, in the
// page's language. The pages take their words from here only.
struct PageWords
{
    const char *lang;         // the html element's lang attribute
    const char *pages;        // the page navigation's label
    const char *home;         // the link to index.html
    const char *previousPage; // the link to the page before
    const char *nextPage;     // the link to the page after
    const char *updated;      // before the update date
    const char *size;         // the label of a photo's file size
    const char *bytes;        // after the file size
    const char *date;         // the label of a photo's date
    const char *description;  // the meta description: title, page, pages, photos
    const char *previousPhoto;
    const char *nextPhoto;
    const char *photoOf; // the slide page's counter: photo, photos
    const char *slideHelp;

    static const PageWords &of(PageLanguage language);
};
