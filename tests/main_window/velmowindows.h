// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "main_window/form1.h"
#include "main_window/forms.h"
#include "platform/fakes.h"
#include "settings/settingsstore.h"
#include "testsupport.h"

#include <QFile>

// Velmo's windows in a temporary home, with scripted services.
struct VelmoWindows
{
    TestHome home;
    SettingsStore store{home.configFile()};
    FakeServices fakes;
    Forms forms{store, fakes.services()};

    Form1 &form() { return forms.form1(); }

    // Starts the window with the stored folder set to a photo folder.
    void startIn(const QString &folder)
    {
        store.write(Keys::Path, folder);
        form().Form_Load();
    }

    // Puts an executable comment tool where Velmo looks for it.
    void installCommentTool()
    {
        const QString tool = home.folder(QStringLiteral("prefix/bin")) + QStringLiteral("/quillet");
        Fixture::writeFile(tool, "#!/bin/sh\n");
        QFile::setPermissions(tool, QFile::permissions(tool) | QFile::ExeOwner);
    }
};
