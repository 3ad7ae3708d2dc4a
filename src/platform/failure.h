// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <exception>

// The failure numbers that handlers pick their messages by.
namespace FailureCode {
constexpr int InvalidCall = 5;
constexpr int SubscriptOutOfRange = 9;
constexpr int DivisionByZero = 11;
constexpr int TypeMismatch = 13;
constexpr int DllLoad = 48;
constexpr int BadFileName = 52;
constexpr int FileNotFound = 53;
constexpr int DeviceUnavailable = 68;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int EntryPointNotFound = 453;
constexpr int NoTextData = 461;
constexpr int InvalidPicture = 481;
constexpr int BadPictureData = 50003;
// Velmo's own: the comment block of a page no longer stands where it was found.
constexpr int MarkersMissing = 10001;
// The comment tool's write-back. The block no longer holds what the drop
// loaded: someone else changed it.
constexpr int ChangedElsewhere = 10002;
// The page could be read but not written (read-only, disk full).
constexpr int PageNotWritable = 10003;
// The page is a link or another entry that is not a regular file.
constexpr int PageNotRegularFile = 10004;
// The comment is over the comment tool's edit limit, as it stands or as written.
constexpr int CommentTooLarge = 10005;
// The comment's bytes are no text of the encoding the page declares.
constexpr int CommentNotPageText = 10006;
} // namespace FailureCode

// One failure type for the whole program. A handler that catches failures
// catches this and chooses its message by code().
class Failure : public std::exception
{
public:
    explicit Failure(int code, QString detail = {});

    int code() const { return m_code; }
    const QString &detail() const { return m_detail; }
    const char *what() const noexcept override { return m_what.constData(); }

private:
    int m_code;
    QString m_detail;
    QByteArray m_what;
};
