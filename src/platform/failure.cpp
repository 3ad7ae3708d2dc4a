// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/failure.h"

Failure::Failure(int code, QString detail)
    : m_code(code)
    , m_detail(std::move(detail))
    , m_what(QStringLiteral("failure %1 %2").arg(code).arg(m_detail).toUtf8())
{}
