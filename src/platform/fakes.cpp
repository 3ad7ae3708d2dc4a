// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/fakes.h"

#include "platform/failure.h"

#include <QTimer>

MessageBoxes::Answer FakeMessageBoxes::show(const QString &text, Buttons buttons, Icon icon)
{
    shown.append({text, buttons, icon});
    if (!answers.isEmpty())
        return answers.dequeue();
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    default:
        return Answer::Ok;
    }
}

QStringList FakeMessageBoxes::texts() const
{
    QStringList result;
    for (const Shown &box : shown)
        result.append(box.text);
    return result;
}

void FakeLauncher::start(const QString &programField, const QStringList &arguments)
{
    if (failNext) {
        failNext = false;
        throw Failure(FailureCode::FileNotFound, programField);
    }
    started.append({programField, arguments});
}

std::optional<QString> FakeCommonDialogs::openExistingFile(const QString &title, const QString &filter)
{
    fileTitles.append(title);
    fileFilters.append(filter);
    return fileAnswers.isEmpty() ? std::nullopt : fileAnswers.dequeue();
}

std::optional<QColor> FakeCommonDialogs::pickColor(const QColor &initial)
{
    colorStarts.append(initial);
    return colorAnswers.isEmpty() ? std::nullopt : colorAnswers.dequeue();
}

qint64 FakeClock::monotonicMs() const
{
    m_ms += stepPerRead;
    return m_ms;
}

void FakeClock::arm(QTimer &timer, qint64 ms) const
{
    m_ms += ms;
    timer.start(0);
}

std::optional<QString> FailingSettingsBackend::value(const QString &path)
{
    const auto found = values.constFind(path);
    return found == values.cend() ? std::nullopt : std::optional<QString>(*found);
}

QStringList FailingSettingsBackend::sections()
{
    QStringList result;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        result.append(it.key().section(QLatin1Char('/'), 0, 0));
    result.removeDuplicates();
    return result;
}

SettingsWrite FailingSettingsBackend::setValue(const QString &path, const QString &value)
{
    if (failWrites)
        return {SettingsWrite::Result::Failed, std::nullopt};
    values.insert(path, value);
    return {};
}

SettingsWrite FailingSettingsBackend::removeSection(const QString &section)
{
    if (failWrites)
        return {SettingsWrite::Result::Failed, std::nullopt};
    values.removeIf([&section](const auto &entry) { return entry.key().section(QLatin1Char('/'), 0, 0) == section; });
    return {};
}
