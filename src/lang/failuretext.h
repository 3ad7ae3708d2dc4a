// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QCoreApplication>
#include <QString>

// The message of a failure that a handler does not expect, in both programs.
namespace FailureText {
// "Please report the error number", followed by the failure number; the
// Japanese text ends in an ideographic space.
inline QString reportErrorNumber(int code)
{
    return QCoreApplication::translate("FailureText", "エラー番号を報告下さい。エラー番号　") + QString::number(code);
}
} // namespace FailureText
