/* SPDX-License-Identifier: GPL-3.0-or-later
 * RdctJPEG: makes a reduced copy of a JPEG file (1/2, 1/4 or 1/8 of its size). */
#ifndef RDCTJPEG_H
#define RDCTJPEG_H

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define RDCTJPEG_EXPORT __attribute__((visibility("default")))
#else
#define RDCTJPEG_EXPORT
#endif

/**
 * @file rdctjpeg.h
 * @brief C interface of RdctJPEG.so, the JPEG reduction library.
 *
 * The library is loaded at run time by path and has a single entry point,
 * ReductJPEGFile(). It links libjpeg only and keeps no state between calls.
 */

/**
 * @brief The ten-character text every caller passes to ReductJPEGFile().
 *
 * Form: the seven characters `RDCTJ:Q` followed by the JPEG quality of the
 * reduced file as three decimal digits, `001` to `100`. Any other text is
 * refused with #RDCTJPEG_E_ARGUMENT.
 */
#define RDCTJPEG_LIBRARY_TEXT "RDCTJ:Q080"

/** @brief A thumbnail is first written under this hidden prefix and six
 * letters or digits, beside its destination; a stopped call may leave one. */
#define RDCTJPEG_TEMPORARY_PREFIX ".velmo-thumb-"

/** @brief Length of a valid text, without the terminating NUL. */
#define RDCTJPEG_TEXT_LENGTH 10

/** @name Return codes of ReductJPEGFile()
 *  @{ */
/** The reduced file stands complete at the destination. */
#define RDCTJPEG_OK 0
/** A null or empty path, a denominator other than 2, 4 or 8, or an unknown text. */
#define RDCTJPEG_E_ARGUMENT 1
/** The source exists but is not a regular file (folder, FIFO, device...). It is not read.
 */
#define RDCTJPEG_E_NOT_REGULAR 2
/** The source cannot be opened or read. */
#define RDCTJPEG_E_OPEN 3
/** The source is empty, not a JPEG, truncated or corrupt. */
#define RDCTJPEG_E_DECODE 4
/** The file exceeds #RDCTJPEG_MAX_FILE_BYTES, the picture #RDCTJPEG_MAX_PIXELS,
 *  or decoding would need more than #RDCTJPEG_MAX_MEMORY. */
#define RDCTJPEG_E_TOO_LARGE 5
/** A progressive file has more than #RDCTJPEG_MAX_SCANS scans. */
#define RDCTJPEG_E_TOO_MANY_SCANS 6
/** The destination cannot be written or put in place. */
#define RDCTJPEG_E_WRITE 7
/** @} */

/** @name Limits
 *  @{ */
/** Largest source file read, in bytes (1 GiB). */
#define RDCTJPEG_MAX_FILE_BYTES (1024LL * 1024 * 1024)
/** Largest picture accepted, width × height (300 megapixels). */
#define RDCTJPEG_MAX_PIXELS 300000000LL
/** Most scans read from one file. */
#define RDCTJPEG_MAX_SCANS 500
/** Most memory libjpeg may take for one decode, in bytes (160 MiB); the
 *  windows' picture loader takes no more. Reduced decoding needs little
 *  except for a progressive (or multi-scan) file, which keeps the
 *  coefficients of the whole picture: 128 bytes per 8×8 block of every
 *  component, so 2 bytes per pixel for each full-size component. That lets
 *  through progressive photos of up to about 55 megapixels at 4:2:0, 28 at
 *  4:4:4, and refuses a small file declaring 16000×16000 (768 MB). */
#define RDCTJPEG_MAX_MEMORY (160L * 1024 * 1024)
/** Most libjpeg warnings (corrupt data) tolerated in one file. */
#define RDCTJPEG_MAX_WARNINGS 1000
/** @} */

/**
 * @brief Writes a reduced copy of a JPEG file.
 *
 * The source is decoded at 1/@p denominator with libjpeg's DCT scaling (no
 * full-size decode, no resampling), so the result measures exactly
 * ceil(width / denominator) × ceil(height / denominator). It is encoded again
 * at the quality given by @p text: 4:2:0 for colour, grayscale stays
 * grayscale, CMYK and YCCK files give CMYK. Of the source's metadata only
 * what showing the picture needs is kept: the EXIF Orientation, in an EXIF
 * segment of its own holding nothing else, and the ICC profile's APP2
 * markers, unchanged and in their order. Everything else (GPS position,
 * serial numbers, maker notes, XMP, IPTC, a multi-picture index) is left out.
 *
 * A comment segment after those markers records what the file was made
 * from (rdctjpeg_record.h): the same source, scale and text give the same
 * bytes, so a caller can tell a reduced file that is still current.
 *
 * The destination is written as an unnamed file in its own folder (O_TMPFILE)
 * and linked into place complete, or, where the file system cannot do that,
 * written under a short hidden name `.velmo-thumb-XXXXXX` and renamed into
 * place; either way no temporary name is longer than the file-name limit.
 * Mode 0644 less the umask. So the destination is either left as it was or
 * replaced by the complete new file, and a failed call leaves no file behind.
 * A truncated source (premature end of file) is a failure.
 *
 * The function is reentrant: several threads may call it at once on
 * different files.
 *
 * @param source      path of the JPEG file to read (a regular file)
 * @param destination path of the file to write; replaced if it exists
 * @param denominator 2, 4 or 8
 * @param text        #RDCTJPEG_LIBRARY_TEXT or another text of the same form
 * @return #RDCTJPEG_OK, or one of the RDCTJPEG_E_ codes
 */
RDCTJPEG_EXPORT int ReductJPEGFile(const char *source, const char *destination,
                                   int denominator, const char *text);

/** @brief Type of ReductJPEGFile(), for callers that resolve it at run time. */
typedef int (*ReductJPEGFileFunction)(const char *source, const char *destination,
                                      int denominator, const char *text);

#ifdef __cplusplus
}
#endif

#endif /* RDCTJPEG_H */
