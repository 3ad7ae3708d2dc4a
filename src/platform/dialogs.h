// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QString>
#include <optional>

// The common file-open and colour dialogs. An empty result is a cancel.
class CommonDialogs
{
public:
    virtual ~CommonDialogs() = default;
    virtual std::optional<QString> openExistingFile(const QString &title, const QString &filter) = 0;
    virtual std::optional<QColor> pickColor(const QColor &initial) = 0;
};
