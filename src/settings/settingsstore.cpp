// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include <QCoreApplication>

#include "platform/failure.h"
#include "platform/paths.h"
#include "platform/settingsfile.h"
#include "settings/settingvalue.h"

#include <algorithm>
#include <utility>

SettingsStore::SettingsStore()
    : SettingsStore(Paths::settingsFile())
{}

SettingsStore::SettingsStore(const QString &file)
    : SettingsStore(std::make_unique<SettingsFile>(file))
{}

SettingsStore::SettingsStore(std::unique_ptr<SettingsBackend> backend)
    : m_backend(std::move(backend))
{
    checkSetAside();
}

SettingsStore::~SettingsStore() = default;

static QString keyPath(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

QString SettingsStore::readSetting(const QString &section, const QString &key, const QString &defaultValue) const
{
    return value(keyPath(section, key)).value_or(defaultValue);
}

std::optional<QString> SettingsStore::value(const QString &path) const
{
    std::optional<QString> text = m_backend->value(path);
    checkSetAside();
    return text;
}

// A file can also grow past the limit while the programs run.
void SettingsStore::checkSetAside() const
{
    if (m_backend->setAside())
        reportProblem(SettingsText::setAside(m_backend->fileName()));
}

void SettingsStore::writeSetting(const QString &section, const QString &key, const QString &value)
{
    checkWritten(m_backend->setValue(keyPath(section, key), value));
}

void SettingsStore::deleteSection(const QString &section)
{
    if (!m_backend->sections().contains(section))
        throw Failure(FailureCode::InvalidCall, section);
    checkWritten(m_backend->removeSection(section));
}

QString SettingsStore::read(const SettingKey &key) const
{
    return read(key, QString::fromLatin1(key.fallback));
}

QString SettingsStore::read(const SettingKey &key, const QString &currentValue) const
{
    return stored(key).value_or(currentValue);
}

void SettingsStore::write(const SettingKey &key, const QString &value)
{
    writeSetting(QString::fromLatin1(key.section), QString::fromLatin1(key.key), value);
}

std::optional<QString> SettingsStore::stored(const SettingKey &key) const
{
    return value(keyPath(QString::fromLatin1(key.section), QString::fromLatin1(key.key)));
}

std::optional<int> SettingsStore::whole(const SettingKey &key) const
{
    const std::optional<QString> text = stored(key);
    return text ? SettingValue::whole(key, *text) : std::nullopt;
}

int SettingsStore::whole(const SettingKey &key, int current) const
{
    return whole(key).value_or(current);
}

std::optional<int> SettingsStore::whole(const SettingKey &key, const QString &currentText) const
{
    if (const std::optional<int> value = whole(key))
        return value;
    return SettingValue::whole(key, currentText);
}

bool SettingsStore::isOn(const SettingKey &key, bool current) const
{
    const std::optional<QString> text = stored(key);
    return (text ? SettingValue::switchState(*text) : std::nullopt).value_or(current);
}

double SettingsStore::twips(const SettingKey &key) const
{
    const std::optional<QString> text = stored(key);
    const std::optional<double> value = text ? SettingValue::number(*text) : std::nullopt;
    return std::clamp(value.value_or(0.0), double(key.minimum), double(key.maximum));
}

void SettingsStore::setProblemReporter(ProblemReporter reporter)
{
    m_reporter = std::move(reporter);
    if (!m_reporter)
        return;
    for (const QString &text : std::exchange(m_pending, {}))
        m_reporter(text);
}

void SettingsStore::reportProblem(const QString &text) const
{
    if (m_reported.contains(text))
        return;
    m_reported.append(text);
    if (m_reporter)
        m_reporter(text);
    else
        m_pending.append(text);
}

void SettingsStore::checkWritten(const SettingsWrite &write)
{
    if (write.repair)
        reportProblem(SettingsText::rewritten(fileName(), write.repair->firstUnread, write.repair->backup));
    switch (write.result) {
    case SettingsWrite::Result::Written:
        break;
    case SettingsWrite::Result::Failed:
        reportProblem(SettingsText::notWritten(fileName()));
        break;
    case SettingsWrite::Result::TooLarge:
        reportProblem(SettingsText::tooLargeToWrite(fileName()));
        break;
    }
}

QString SettingsStore::fileName() const
{
    return m_backend->fileName();
}

namespace SettingsText {

namespace {

int limitInMegabytes()
{
    return int(SettingsFile::SizeLimit / (1024 * 1024));
}

// A line of the file as a message can show it: short, and with characters
// that cannot be shown marked.
QString excerpt(const QString &line)
{
    constexpr qsizetype Shown = 40;
    QString text = line.left(Shown);
    for (QChar &c : text) {
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    }
    return line.size() > Shown ? text + QStringLiteral("…") : text;
}

} // namespace

QString notWritten(const QString &file)
{
    return QCoreApplication::translate("SettingsText",
                                       "設定を保存できません。%1 に書き込めないため、変更は次の起動に残りません。"
                                       "ファイルとフォルダの持ち主と書き込み権を確かめて下さい。")
        .arg(file);
}

QString tooLargeToWrite(const QString &file)
{
    return QCoreApplication::translate(
               "SettingsText", "設定を保存できません。書き込むと %1 が %2 MB を超え、どのプログラムも読めなくなるため、"
                               "書き込みませんでした。ファイルから要らない行を消して下さい。")
        .arg(file, QString::number(limitInMegabytes()));
}

QString setAside(const QString &file)
{
    return QCoreApplication::translate("SettingsText",
                                       "設定ファイル %1 は %2 MB を超えるか通常のファイルでないため、読みません。"
                                       "既定の設定で動き、設定はこのファイルに保存しません。")
        .arg(file)
        .arg(limitInMegabytes());
}

QString rewritten(const QString &file, const UnreadLine &line, const QString &backup)
{
    return QCoreApplication::translate(
               "SettingsText",
               "設定ファイル %1 の %2 行目「%3」などを読めませんでした。元のファイルを %4 に残し、"
               "読めた設定だけで書き直しました。消えた設定があれば、残したファイルを見て設定し直して下さい。")
        .arg(file, QString::number(line.number), excerpt(line.text), backup);
}

} // namespace SettingsText
