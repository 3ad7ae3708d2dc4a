// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The message of a failure that a handler does not expect, in both programs.
namespace FailureText {
// Followed by the failure number; the fixed text ends in an ideographic space.
inline const QString ReportErrorNumber = QStringLiteral("エラー番号を報告下さい。エラー番号　");
inline QString reportErrorNumber(int code)
{
    return ReportErrorNumber + QString::number(code);
}
} // namespace FailureText
