// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/desktopservices.h"

#include "platform/failure.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QTimer>

void ProcessLauncher::start(const QString &programField, const QStringList &arguments)
{
    QString program = programField;
    QStringList args = arguments;
    if (!QFileInfo(programField).isFile()) {
        QStringList words = QProcess::splitCommand(programField);
        if (words.isEmpty())
            throw Failure(FailureCode::FileNotFound, programField);
        program = words.takeFirst();
        args = words + arguments;
    }
    if (!QProcess::startDetached(program, args))
        throw Failure(FailureCode::FileNotFound, program);
}

void DesktopShellOpener::open(const QUrl &target)
{
    QDesktopServices::openUrl(target);
}

void SystemClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void SystemClipboard::setText(const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
}

QString SystemClipboard::text() const
{
    return QGuiApplication::clipboard()->text();
}

SystemClock::SystemClock()
{
    m_timer.start();
}

QDateTime SystemClock::now() const
{
    return QDateTime::currentDateTime();
}

qint64 SystemClock::monotonicMs() const
{
    return m_timer.elapsed();
}

void SystemClock::arm(QTimer &timer, qint64 ms) const
{
    timer.start(std::chrono::milliseconds(ms));
}
