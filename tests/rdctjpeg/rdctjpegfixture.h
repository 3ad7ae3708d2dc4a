// SPDX-License-Identifier: GPL-3.0-or-later
// RdctJPEG.so as the program sees it, loaded from the build tree by path: the
// helpers shared by its tests.
#pragma once

#include "jpegfixture.h"
#include "rdctjpeg/rdctjpeg.h"
#include "rdctjpeg/rdctjpeg_record.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <thread>

using namespace JpegFixture;

Q_DECLARE_METATYPE(JpegFixture::Recipe)

inline QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline Recipe recipe(int width, int height, J_COLOR_SPACE space = JCS_RGB)
{
    Recipe r;
    r.width = width;
    r.height = height;
    r.space = space;
    return r;
}

// The reduced size as libjpeg computes it: ceil(size / denominator).
inline int scaled(int size, int denominator)
{
    return (size + denominator - 1) / denominator;
}

// Exif APP1 payload: little-endian TIFF header, one IFD entry, Orientation = 6.
inline QByteArray exifWithOrientation(char orientation = 6)
{
    QByteArray e("Exif\0\0", 6);
    e += QByteArray("II\x2a\x00\x08\x00\x00\x00", 8);
    e += QByteArray("\x01\x00", 2);                         // one entry
    e += QByteArray("\x12\x01\x03\x00\x01\x00\x00\x00", 8); // 0x0112 SHORT 1
    e += orientation;
    e += QByteArray(3, '\0');
    e += QByteArray(4, '\0'); // no next IFD
    return e;
}

inline QByteArray iccChunk(int sequence, int count, int size)
{
    QByteArray c("ICC_PROFILE\0", 12);
    c += char(sequence);
    c += char(count);
    for (int i = 0; i < size; ++i)
        c += char((i * 31 + sequence) & 0xFF);
    return c;
}

class RdctJpegFixture
{
protected:
    // Loads the library from the build tree and resolves its only export.
    void loadLibrary();
    // Writes the source, reduces it to s_<name> and returns the code.
    int reduceBytes(const QByteArray &source, int denominator, const char *text = RDCTJPEG_LIBRARY_TEXT);
    QString sourcePath() const { return m_dir.filePath(QStringLiteral("x.jpg")); }
    QString destinationPath() const { return m_dir.filePath(QStringLiteral("s_x.jpg")); }

    QTemporaryDir m_dir;
    ReductJPEGFileFunction m_reduce = nullptr;
};

inline void RdctJpegFixture::loadLibrary()
{
    QVERIFY(m_dir.isValid());
    QLibrary library(QStringLiteral(RDCTJPEG_BUILT_LIBRARY));
    QVERIFY2(library.load(), qPrintable(library.errorString()));
    m_reduce = reinterpret_cast<ReductJPEGFileFunction>(library.resolve("ReductJPEGFile"));
    QVERIFY(m_reduce);
    // Nothing but the entry point is exported.
    QVERIFY(!library.resolve("reduce"));
    QVERIFY(!library.resolve("quality_from_text"));
}

inline int RdctJpegFixture::reduceBytes(const QByteArray &source, int denominator, const char *text)
{
    QFile::remove(destinationPath());
    if (!writeAll(sourcePath(), source))
        return -1;
    return m_reduce(QFile::encodeName(sourcePath()).constData(), QFile::encodeName(destinationPath()).constData(),
                    denominator, text);
}
