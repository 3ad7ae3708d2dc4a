// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/form1.h"
#include "main_window/forms.h"
#include "platform/fakes.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QFile>
#include <QFileInfo>

// Velmo's windows in a temporary home, with scripted services.
struct VelmoWindows
{
    TestHome home;
    SettingsStore store{home.configFile()};
    FakeServices fakes;
    Forms forms{store, fakes.services()};

    QString folder = home.folder(QStringLiteral("photos"));

    Form1 &form() { return forms.form1(); }

    // Starts the window with the stored folder set to a photo folder.
    void startIn(const QString &start)
    {
        store.write(Keys::Path, start);
        form().Form_Load();
    }

    // Starts the window in the photo folder holding the given files: names
    // ending in jpg, jpe or jpeg are 64 × 48 pictures unless damaged, the
    // others a line of text.
    void startWithFiles(const QStringList &names, const QStringList &damaged = {})
    {
        for (const QString &name : names) {
            const QString path = folder + QLatin1Char('/') + name;
            const bool picture = QFileInfo(name).suffix().toLower().startsWith(QLatin1String("jp"));
            if (picture && !damaged.contains(name))
                Fixture::makeJpeg(path, 64, 48);
            else
                Fixture::writeFile(path, "text\n");
        }
        startIn(folder);
    }

    // Puts an executable comment tool where Velmo looks for it.
    void installCommentTool()
    {
        const QString tool = home.folder(QStringLiteral("prefix/bin")) + QStringLiteral("/quillet");
        Fixture::writeFile(tool, "#!/bin/sh\n");
        QFile::setPermissions(tool, QFile::permissions(tool) | QFile::ExeOwner);
    }
};
