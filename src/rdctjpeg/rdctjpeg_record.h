/* SPDX-License-Identifier: GPL-3.0-or-later
 * The record a reduced file carries about the file it was made from. */
#ifndef RDCTJPEG_RECORD_H
#define RDCTJPEG_RECORD_H

#include <stddef.h>
#include <stdio.h>

/**
 * @file rdctjpeg_record.h
 * @brief The comment segment (COM) that ReductJPEGFile() writes into every
 * reduced file, after the copied APP markers, one line of text:
 *
 *     RdctJPEG/2 length=000000345678 scale=1/2 text=RDCTJ:Q080 size=4512345
 * mtime=1700000000.123456789 name=DSC0001.JPG
 *
 * `length` is the whole reduced file in bytes; `size` and `mtime` are the
 * source file's length and modification time as the library found them when
 * it opened the file; `name` is the source's file name (the path's last
 * part). The number after the slash changes whenever the library would write
 * other bytes for the same source, scale and text.
 *
 * A source modified less than about two seconds before it was read gets no
 * record: it could still change without its length or time showing it.
 *
 * A reduction of the same source at the same scale with the same text writes
 * the same record and the same bytes. So a caller that finds in an existing
 * file exactly the record it would expect (the file's own length included)
 * knows that reducing again would give that very file.
 */

/** @brief What every record of any version starts with. */
#define RDCTJPEG_RECORD_FAMILY "RdctJPEG/"
/** @brief Everything before the length digits. Version 2 keeps only the
 * Orientation of the source's EXIF and its ICC profile. */
#define RDCTJPEG_RECORD_TAG RDCTJPEG_RECORD_FAMILY "2 length="
/** @brief The length is written with exactly this many digits. */
#define RDCTJPEG_RECORD_LENGTH_DIGITS 12
/** @brief Room for any record whose name fits a file-name component. */
#define RDCTJPEG_RECORD_MAX 512

/**
 * @brief Writes the record into @p out (NUL-terminated).
 * @return its length without the NUL, or -1 when it does not fit @p capacity
 */
static inline int rdctjpeg_format_record(char *out, size_t capacity, long long length,
                                         int denominator, const char *text,
                                         long long size, long long seconds,
                                         long nanoseconds, const char *name) {
  int n = snprintf(out, capacity,
                   RDCTJPEG_RECORD_TAG
                   "%0*lld scale=1/%d text=%s size=%lld mtime=%lld.%09ld name=%s",
                   RDCTJPEG_RECORD_LENGTH_DIGITS, length, denominator, text, size,
                   seconds, nanoseconds, name);
  return n >= 0 && (size_t)n < capacity ? n : -1;
}

#endif /* RDCTJPEG_RECORD_H */
