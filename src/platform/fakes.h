// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/launcher.h"
#include "platform/messageboxes.h"
#include "platform/services.h"
#include "platform/settingsfile.h"

#include <QList>
#include <QQueue>
#include <QUrl>

// Stand-ins for the operating-system services: they record what the program
// asked for and answer from a script, so tests run without a person.

class FakeMessageBoxes : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        Buttons buttons;
        Icon icon;
    };
    Answer show(const QString &text, Buttons buttons, Icon icon) override;

    QList<Shown> shown;
    // Answers used in turn; when empty, the box's first button is pressed.
    QQueue<Answer> answers;
    QStringList texts() const;
};

class FakeLauncher : public Launcher
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
    };
    void start(const QString &programField, const QStringList &arguments) override;

    QList<Start> started;
    bool failNext = false;
};

class FakeShellOpener : public ShellOpener
{
public:
    void open(const QUrl &target) override { opened.append(target); }
    QList<QUrl> opened;
};

class FakeCommonDialogs : public CommonDialogs
{
public:
    std::optional<QString> openExistingFile(const QString &title, const QString &filter) override;
    std::optional<QColor> pickColor(const QColor &initial) override;

    QQueue<std::optional<QString>> fileAnswers;
    QQueue<std::optional<QColor>> colorAnswers;
    QStringList fileTitles;
    QStringList fileFilters;
    QList<QColor> colorStarts;
};

class FakeClipboard : public Clipboard
{
public:
    void clear() override
    {
        m_text.clear();
        ++clears;
    }
    void setText(const QString &text) override { m_text = text; }
    QString text() const override { return m_text; }
    int clears = 0;

private:
    QString m_text;
};

// A clock that moves only when told to, or by a fixed step on every read of
// the monotonic time so that waiting loops finish without real waiting; a
// timer armed on it jumps the clock to its end.
class FakeClock : public Clock
{
public:
    QDateTime now() const override { return wallTime; }
    qint64 monotonicMs() const override;
    // No real waiting: the clock moves on by the whole wait at once and the
    // timer times out at the next pass of the event loop.
    void arm(QTimer &timer, qint64 ms) const override;
    void advance(qint64 ms) { m_ms += ms; }

    QDateTime wallTime{QDate(2026, 12, 7), QTime(9, 30)};
    qint64 stepPerRead = 0;

private:
    mutable qint64 m_ms = 0;
};

// A settings file kept in memory whose writes fail while failWrites is set,
// as with a Velmo.conf owned by root or a read-only home.
class FailingSettingsBackend : public SettingsBackend
{
public:
    QString fileName() const override { return QStringLiteral("/read-only/Velmo/Velmo.conf"); }
    std::optional<QString> value(const QString &path) override;
    QStringList sections() override;
    SettingsWrite setValue(const QString &path, const QString &value) override;
    SettingsWrite removeSection(const QString &section) override;
    bool setAside() const override { return false; }

    bool failWrites = true;
    QHash<QString, QString> values;
};

// All fakes together, ready to hand to a window.
struct FakeServices
{
    FakeMessageBoxes messages;
    FakeLauncher launcher;
    FakeShellOpener shell;
    FakeCommonDialogs dialogs;
    FakeClipboard clipboard;
    FakeClock clock;
    Services services() { return {messages, launcher, shell, dialogs, clipboard, clock}; }
};
