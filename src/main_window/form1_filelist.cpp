// SPDX-License-Identifier: GPL-3.0-or-later
// Form1: the drive, folder and file lists and the filter boxes.
#include "main_window/form1.h"

#include "main_window/form1texts.h"
#include "platform/failure.h"
#include "platform/listing.h"
#include "platform/messageboxes.h"
#include "platform/paths.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QStorageInfo>

namespace {

// The name filters of a File1 pattern. "*.jpe" also lets in names ending in
// ".jpeg", which the viewer and the file commands treat as JPEG images.
QStringList nameFilters(const QString &pattern)
{
    QStringList filters = pattern.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (filters.contains(QStringLiteral("*.jpe"), Qt::CaseInsensitive))
        filters.append(QStringLiteral("*.jpeg"));
    return filters;
}

bool lies(const QString &folder, const QString &root)
{
    return folder == root || folder.startsWith(Paths::withSeparator(root));
}

// A file kind "PEG" counts as "JPG".
QString jpegAsJpg(const QString &kind)
{
    return kind.trimmed().toUpper() == QLatin1String("PEG") ? QStringLiteral("JPG") : kind;
}

bool kindIsJpeg(const QString &kind)
{
    return kind.trimmed().toUpper() == QLatin1String("JPG");
}

} // namespace

void Form1::fillDrive1()
{
    QStringList roots;
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && !roots.contains(volume.rootPath()))
            roots.append(volume.rootPath());
    }
    std::sort(roots.begin(), roots.end(), [](const QString &a, const QString &b) {
        if (a == QDir::rootPath() || b == QDir::rootPath())
            return a == QDir::rootPath() && b != QDir::rootPath();
        return a < b;
    });
    for (const QString &root : roots)
        Drive1->addItem(root, root);
}

// The drive list shows the volume that holds a folder: the longest mount
// point the folder lies below.
void Form1::selectDrive1For(const QString &folder)
{
    int best = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemData(i).toString();
        if (lies(folder, root) && (best < 0 || root.size() > Drive1->itemData(best).toString().size()))
            best = i;
    }
    if (best >= 0)
        Drive1->setCurrentIndex(best);
}

void Form1::Drive1_Change()
{
    const QString root = Drive1->currentData().toString();
    const QStorageInfo volume(root);
    if (!volume.isValid() || !volume.isReady() || !QFileInfo(root).isReadable()) {
        m_services.messages.show(Messages::driveNotReady(), MessageBoxes::Buttons::Ok, MessageBoxes::Icon::Exclamation);
        selectDrive1For(m_dir1Path);
        return;
    }
    // The drive opens at the current folder when that lies on it.
    const QString current = QDir::currentPath();
    try {
        setDir1Path(QStorageInfo(current).rootPath() == root ? current : root);
    } catch (const Failure &) {
        m_services.messages.show(Messages::applicationError(), MessageBoxes::Buttons::Ok,
                                 MessageBoxes::Icon::Exclamation);
    }
}

void Form1::setDir1Path(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        throw Failure(FailureCode::PathNotFound, folder);
    const QString path = QDir::cleanPath(info.absoluteFilePath());

    const QSignalBlocker quiet(Dir1);
    Dir1->clear();
    // The path from the root down, each folder indented below its parent.
    QStringList chain;
    for (QDir up(path);;) {
        chain.prepend(up.absolutePath());
        if (up.isRoot() || !up.cdUp())
            break;
    }
    int depth = 0;
    for (const QString &step : chain) {
        const QString name = step == QDir::rootPath() ? step : QFileInfo(step).fileName();
        auto *item = new QListWidgetItem(QString(depth++, QLatin1Char(' ')) + name, Dir1);
        item->setData(Qt::UserRole, step);
    }
    Dir1->setCurrentRow(Dir1->count() - 1);
    for (const QString &sub : Listing::folders(path)) {
        auto *item = new QListWidgetItem(QString(depth, QLatin1Char(' ')) + sub, Dir1);
        item->setData(Qt::UserRole, Paths::join(path, sub));
    }

    if (path == m_dir1Path)
        return;
    m_dir1Path = path;
    Dir1_Change();
}

void Form1::Dir1_Change()
{
    setFile1Path(m_dir1Path);
    ViewClear();
}

void Form1::setFile1Path(const QString &folder)
{
    const QFileInfo info(folder);
    if (!info.isDir())
        throw Failure(FailureCode::PathNotFound, folder);
    m_file1Path = QDir::cleanPath(info.absoluteFilePath());
    refreshFile1();
}

void Form1::setFile1Pattern(const QString &pattern)
{
    m_file1Pattern = pattern;
    refreshFile1();
}

void Form1::refreshFile1()
{
    const QSignalBlocker quiet(File1);
    File1->clear();
    File1->addItems(Listing::files(m_file1Path, nameFilters(m_file1Pattern)));
}

QString Form1::file1FileName() const
{
    const QListWidgetItem *item = File1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void Form1::PathCheck()
{
    m_currentFile = Paths::join(m_file1Path, file1FileName());
}

void Form1::JPEGXJPG()
{
    m_fileKind = jpegAsJpg(m_fileKind);
}

bool Form1::fileKindIsJpeg() const
{
    return kindIsJpeg(m_fileKind);
}

bool Form1::isJpegName(const QString &name)
{
    return kindIsJpeg(jpegAsJpg(name.right(3)));
}

void Form1::takeFileKind()
{
    m_fileKind = file1FileName().right(3);
    JPEGXJPG();
    PathCheck();
}

void Form1::File1_Click()
{
    try {
        showSelectedPicture();
    } catch (const Failure &failure) {
        switch (failure.code()) {
        case FailureCode::FileNotFound:
            image1->hide();
            showStatus(Messages::FileNotFoundStatus);
            break;
        case FailureCode::InvalidPicture:
            m_services.messages.show(Messages::notAPicture());
            break;
        case FailureCode::BadPictureData:
            m_services.messages.show(Messages::badPictureData());
            break;
        default:
            m_services.messages.show(Messages::reportToContact(failure.code()));
        }
    }
}

void Form1::File1_LostFocus()
{
    image1->clear();
}

void Form1::File1_MouseDown(const QMouseEvent &press)
{
    const QListWidgetItem *item = File1->itemAt(press.position().toPoint());
    if (item && item->isSelected() && press.button() == Qt::LeftButton && press.modifiers() == Qt::NoModifier)
        File1_Click();
}

void Form1::filterBoxClicked(QCheckBox *box, const char *pattern)
{
    if (!box->isChecked()) {
        files_plus();
        return;
    }
    image1->clear();
    setFile1Pattern(QString::fromLatin1(pattern));
    for (QCheckBox *other : {Check1, Check2, Check3}) {
        if (other != box)
            other->setChecked(false);
    }
}

void Form1::Check1_Click()
{
    filterBoxClicked(Check1, Patterns::Album);
}
void Form1::Check2_Click()
{
    filterBoxClicked(Check2, Patterns::Text);
}
void Form1::Check3_Click()
{
    filterBoxClicked(Check3, Patterns::Html);
}

void Form1::files_plus()
{
    if (!Check1->isChecked() && !Check2->isChecked() && !Check3->isChecked())
        setFile1Pattern(QString::fromLatin1(Patterns::Jpeg));
    image1->clear();
}
