/* SPDX-License-Identifier: GPL-3.0-or-later
 * RdctJPEG: scaled decode with libjpeg, encode again, write beside the target
 * and put into place whole. Every call owns all of its state (reentrant). */
#define _GNU_SOURCE
#include "rdctjpeg.h"
#include "rdctjpeg_record.h"

#include <errno.h>
#include <fcntl.h>
#include <setjmp.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <jerror.h>
#include <jpeglib.h>

/* Scanlines moved from decoder to encoder per step. */
#define ROWS_PER_STEP 16

/* Error manager shared by the decoder and the encoder of one call: failures
 * return to reduce() through longjmp, never exit(). */
struct error_mgr {
  struct jpeg_error_mgr pub;
  jmp_buf jump;
  int code;      /* return code once jumped */
  long warnings; /* corrupt-data warnings seen */
};

/* Growable memory destination: on failure the buffer is still ours to free
 * (libjpeg's jpeg_mem_dest frees and replaces it without telling us). */
struct memory_dest {
  struct jpeg_destination_mgr pub;
  unsigned char *data;
  size_t capacity;
  size_t length;
};

struct scan_monitor {
  struct jpeg_progress_mgr pub;
  struct jpeg_decompress_struct *cinfo;
  struct error_mgr *err;
};

struct job {
  struct error_mgr err;
  struct jpeg_decompress_struct in;
  struct jpeg_compress_struct out;
  struct memory_dest dest;
  struct scan_monitor monitor;
  int in_created, out_created;
  const char *source_path;
  struct stat source; /* as found when the source was opened */
  unsigned char *file;
  size_t file_size;
  size_t record_digits; /* offset of the record's length digits in dest, 0: no record */
};

static void fail(j_common_ptr cinfo, int code) {
  struct error_mgr *err = (struct error_mgr *)cinfo->err;
  err->code = code;
  longjmp(err->jump, 1);
}

static void on_error_exit(j_common_ptr cinfo) {
  int code = cinfo->err->msg_code;
  fail(cinfo, (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE)
                  ? RDCTJPEG_E_TOO_LARGE
                  : RDCTJPEG_E_DECODE);
}

/* Warnings are counted, never printed. A premature end of file would leave
 * the lower part of the picture grey: that is a failure, not a thumbnail. */
static void on_emit_message(j_common_ptr cinfo, int msg_level) {
  struct error_mgr *err = (struct error_mgr *)cinfo->err;
  if (msg_level >= 0)
    return; /* trace messages */
  err->pub.num_warnings++;
  if (err->pub.msg_code == JWRN_JPEG_EOF || ++err->warnings > RDCTJPEG_MAX_WARNINGS)
    fail(cinfo, RDCTJPEG_E_DECODE);
}

static void on_output_message(j_common_ptr cinfo) { (void)cinfo; }

/* jpeg_start_decompress reads every scan of a multi-scan file before it
 * returns, calling this between rows; a file made of thousands of tiny scans
 * is stopped early instead of being decoded over and over. */
static void on_progress(j_common_ptr cinfo) {
  struct scan_monitor *monitor = (struct scan_monitor *)cinfo->progress;
  if (monitor->cinfo->input_scan_number > RDCTJPEG_MAX_SCANS)
    fail(cinfo, RDCTJPEG_E_TOO_MANY_SCANS);
}

static void dest_init(j_compress_ptr cinfo) {
  struct memory_dest *dest = (struct memory_dest *)cinfo->dest;
  dest->pub.next_output_byte = dest->data;
  dest->pub.free_in_buffer = dest->capacity;
}

static boolean dest_grow(j_compress_ptr cinfo) {
  struct memory_dest *dest = (struct memory_dest *)cinfo->dest;
  size_t capacity = dest->capacity * 2;
  unsigned char *data = realloc(dest->data, capacity);
  if (!data)
    ERREXIT1(cinfo, JERR_OUT_OF_MEMORY, 99);
  dest->pub.next_output_byte = data + dest->capacity;
  dest->pub.free_in_buffer = capacity - dest->capacity;
  dest->data = data;
  dest->capacity = capacity;
  return TRUE;
}

static void dest_term(j_compress_ptr cinfo) {
  struct memory_dest *dest = (struct memory_dest *)cinfo->dest;
  dest->length = dest->capacity - dest->pub.free_in_buffer;
}

/* "RDCTJ:Q" and three digits 001..100; returns the quality or 0. */
static int quality_from_text(const char *text) {
  static const char tag[] = "RDCTJ:Q";
  if (!text || strnlen(text, RDCTJPEG_TEXT_LENGTH + 1) != RDCTJPEG_TEXT_LENGTH ||
      memcmp(text, tag, sizeof tag - 1) != 0)
    return 0;
  int quality = 0;
  for (const char *p = text + sizeof tag - 1; *p; ++p) {
    if (*p < '0' || *p > '9')
      return 0;
    quality = quality * 10 + (*p - '0');
  }
  return quality <= 100 ? quality : 0;
}

/* Reads a whole regular file into memory. The source is opened non-blocking
 * so that a FIFO or a device returns at once; it is never read unless fstat
 * says it is a regular file. */
static int read_source(const char *path, struct job *job) {
  int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0)
    return RDCTJPEG_E_OPEN;
  const struct stat *st = &job->source;
  int code = RDCTJPEG_OK;
  job->source_path = path;
  if (fstat(fd, &job->source) != 0)
    code = RDCTJPEG_E_OPEN;
  else if (!S_ISREG(st->st_mode))
    code = RDCTJPEG_E_NOT_REGULAR;
  else if (st->st_size == 0)
    code = RDCTJPEG_E_DECODE;
  else if ((long long)st->st_size > RDCTJPEG_MAX_FILE_BYTES)
    code = RDCTJPEG_E_TOO_LARGE;
  else if (!(job->file = malloc((size_t)st->st_size)))
    code = RDCTJPEG_E_TOO_LARGE;
  size_t size = code == RDCTJPEG_OK ? (size_t)st->st_size : 0, done = 0;
  while (done < size) {
    ssize_t n = read(fd, job->file + done, size - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      code = RDCTJPEG_E_OPEN;
      break;
    }
    if (n == 0)
      break; /* the file shrank: decode what is there */
    done += (size_t)n;
  }
  job->file_size = done;
  close(fd);
  if (code == RDCTJPEG_OK && done == 0)
    code = RDCTJPEG_E_DECODE;
  return code;
}

static int is_exif(const jpeg_saved_marker_ptr m) {
  return m->marker == JPEG_APP0 + 1 && m->data_length >= 6 &&
         memcmp(m->data, "Exif\0\0", 6) == 0;
}

/* Of APP2 only the ICC profile is copied: showing the picture needs it. */
static int is_icc(const jpeg_saved_marker_ptr m) {
  return m->marker == JPEG_APP0 + 2 && m->data_length >= 12 &&
         memcmp(m->data, "ICC_PROFILE\0", 12) == 0;
}

#define TIFF_START 6 /* after "Exif\0\0" */
#define ORIENTATION_TAG 0x0112
#define TIFF_SHORT 3

static unsigned read16(const unsigned char *p, int big) {
  return big ? (unsigned)(p[0] << 8 | p[1]) : (unsigned)(p[1] << 8 | p[0]);
}

static unsigned long read32(const unsigned char *p, int big) {
  return big ? (unsigned long)p[0] << 24 | (unsigned long)p[1] << 16 |
                   (unsigned long)p[2] << 8 | p[3]
             : (unsigned long)p[3] << 24 | (unsigned long)p[2] << 16 |
                   (unsigned long)p[1] << 8 | p[0];
}

/* The Orientation (1 to 8) of the first IFD of an EXIF segment, or 0 when it
 * has none or the segment is not well formed. Only IFD0 is read, so no
 * offset is followed beyond it and nothing can loop. */
static int exif_orientation(const jpeg_saved_marker_ptr m) {
  const unsigned char *tiff = m->data + TIFF_START;
  size_t size = m->data_length - TIFF_START;
  if (size < 8 ||
      !((tiff[0] == 'I' && tiff[1] == 'I') || (tiff[0] == 'M' && tiff[1] == 'M')))
    return 0;
  int big = tiff[0] == 'M';
  unsigned long ifd = read32(tiff + 4, big);
  if (read16(tiff + 2, big) != 42 || ifd > size - 2)
    return 0;
  unsigned entries = read16(tiff + ifd, big);
  for (unsigned i = 0; i < entries; ++i) {
    size_t at = ifd + 2 + (size_t)i * 12;
    if (at + 12 > size)
      return 0;
    const unsigned char *e = tiff + at;
    if (read16(e, big) != ORIENTATION_TAG)
      continue;
    unsigned value = read16(e + 8, big);
    return read16(e + 2, big) == TIFF_SHORT && read32(e + 4, big) == 1 && value >= 1 &&
                   value <= 8
               ? (int)value
               : 0;
  }
  return 0;
}

/* The photo's orientation from its first EXIF segment, 0 when none. */
static int source_orientation(j_decompress_ptr in) {
  for (jpeg_saved_marker_ptr m = in->marker_list; m; m = m->next)
    if (is_exif(m))
      return exif_orientation(m);
  return 0;
}

/* A thumbnail keeps of the photo's EXIF only what showing it needs: an EXIF
 * segment of one IFD with the Orientation alone. Place, camera serial
 * numbers, maker notes and the rest stay in the photo. */
static void write_orientation(j_compress_ptr out, int orientation) {
  static const unsigned char head[] = {'E',
                                       'x',
                                       'i',
                                       'f',
                                       0,
                                       0, /* EXIF identifier */
                                       'I',
                                       'I',
                                       0x2a,
                                       0,
                                       8,
                                       0,
                                       0,
                                       0, /* little-endian TIFF, IFD0 at 8 */
                                       1,
                                       0, /* one entry */
                                       ORIENTATION_TAG & 0xFF,
                                       ORIENTATION_TAG >> 8, /* Orientation */
                                       TIFF_SHORT,
                                       0,
                                       1,
                                       0,
                                       0,
                                       0}; /* SHORT, count 1 */
  unsigned char segment[sizeof head + 8];
  memcpy(segment, head, sizeof head);
  unsigned char *value = segment + sizeof head;
  memset(value, 0, 8); /* value, padding, no next IFD */
  value[0] = (unsigned char)orientation;
  jpeg_write_marker(out, JPEG_APP0 + 1, segment, sizeof segment);
}

/* A source modified in the last seconds may be written again within the same
 * time stamp (kept to a clock tick, or to two seconds on FAT) without its
 * length or time showing it. Its file gets no record, so it is never taken as
 * current, and the next build reduces it again. */
#define SETTLED_SECONDS 2

static int settled(const struct stat *st) {
  struct timespec now;
  return clock_gettime(CLOCK_REALTIME, &now) == 0 &&
         st->st_mtim.tv_sec + SETTLED_SECONDS < now.tv_sec;
}

/* The record of what this file is made from (rdctjpeg_record.h), written
 * with a zero length; finish_record() fills in the length once the whole
 * file is encoded. A name too long for a record, or a source that has not
 * settled, leaves the file without one, so it is never taken as current. */
static void write_record(struct job *job, int denominator, const char *text) {
  if (!settled(&job->source))
    return;
  char record[RDCTJPEG_RECORD_MAX];
  const char *slash = strrchr(job->source_path, '/');
  int n = rdctjpeg_format_record(
      record, sizeof record, 0, denominator, text, (long long)job->source.st_size,
      (long long)job->source.st_mtim.tv_sec, job->source.st_mtim.tv_nsec,
      slash ? slash + 1 : job->source_path);
  if (n < 0)
    return;
  jpeg_write_marker(&job->out, JPEG_COM, (const JOCTET *)record, (unsigned int)n);
  /* The marker went straight into the memory destination. */
  size_t end = (size_t)(job->dest.pub.next_output_byte - job->dest.data);
  job->record_digits = end - (size_t)n + sizeof RDCTJPEG_RECORD_TAG - 1;
}

static void finish_record(struct job *job) {
  if (job->record_digits == 0)
    return;
  size_t value = job->dest.length;
  unsigned char *digits = job->dest.data + job->record_digits;
  for (int i = RDCTJPEG_RECORD_LENGTH_DIGITS - 1; i >= 0; --i, value /= 10)
    digits[i] = (unsigned char)('0' + value % 10);
}

/* Decodes job->file at 1/denominator and encodes the result into job->dest.
 * Every resource lives in *job, so the caller frees it whichever way we leave. */
static int reduce(struct job *job, int denominator, int quality, const char *text) {
  struct jpeg_decompress_struct *in = &job->in;
  struct jpeg_compress_struct *out = &job->out;

  in->err = jpeg_std_error(&job->err.pub);
  job->err.pub.error_exit = on_error_exit;
  job->err.pub.emit_message = on_emit_message;
  job->err.pub.output_message = on_output_message;
  job->err.code = RDCTJPEG_E_DECODE;
  if (setjmp(job->err.jump))
    return job->err.code;

  jpeg_create_decompress(in);
  job->in_created = 1;
  /* A whole-picture buffer above this would go to a backing store, which
   * libjpeg-turbo has none of: jpeg_start_decompress fails with
   * JERR_NO_BACKING_STORE before the buffer is taken, a refusal. */
  in->mem->max_memory_to_use = RDCTJPEG_MAX_MEMORY;
  jpeg_mem_src(in, job->file, (unsigned long)job->file_size);
  jpeg_save_markers(in, JPEG_APP0 + 1, 0xFFFF);
  jpeg_save_markers(in, JPEG_APP0 + 2, 0xFFFF);
  jpeg_read_header(in, TRUE);

  if ((uint64_t)in->image_width * in->image_height > (uint64_t)RDCTJPEG_MAX_PIXELS)
    return RDCTJPEG_E_TOO_LARGE;

  J_COLOR_SPACE space;
  switch (in->jpeg_color_space) {
  case JCS_GRAYSCALE: space = JCS_GRAYSCALE; break;
  case JCS_CMYK:
  case JCS_YCCK: space = JCS_CMYK; break;
  default: space = JCS_RGB; break;
  }
  in->out_color_space = space;
  in->scale_num = 1;
  in->scale_denom = (unsigned int)denominator;
  job->monitor.pub.progress_monitor = on_progress;
  job->monitor.cinfo = in;
  in->progress = &job->monitor.pub;
  jpeg_start_decompress(in);

  out->err = &job->err.pub;
  jpeg_create_compress(out);
  job->out_created = 1;
  job->dest.capacity = 64 * 1024;
  if (!(job->dest.data = malloc(job->dest.capacity)))
    return RDCTJPEG_E_TOO_LARGE;
  job->dest.pub.init_destination = dest_init;
  job->dest.pub.empty_output_buffer = dest_grow;
  job->dest.pub.term_destination = dest_term;
  out->dest = &job->dest.pub;

  out->image_width = in->output_width;
  out->image_height = in->output_height;
  out->input_components = in->output_components;
  out->in_color_space = space;
  jpeg_set_defaults(out); /* colour: YCbCr 4:2:0; CMYK: CMYK with Adobe marker */
  jpeg_set_quality(out, quality, TRUE);
  out->optimize_coding = FALSE;
  if (in->saw_JFIF_marker) {
    out->density_unit = in->density_unit;
    out->X_density = in->X_density;
    out->Y_density = in->Y_density;
  }
  /* EXIF wants its APP1 first; without a JFIF marker in the source, none is added. */
  int orientation = source_orientation(in);
  if (orientation && !in->saw_JFIF_marker)
    out->write_JFIF_header = FALSE;

  jpeg_start_compress(out, TRUE);
  if (orientation)
    write_orientation(out, orientation);
  for (jpeg_saved_marker_ptr m = in->marker_list; m; m = m->next)
    if (is_icc(m))
      jpeg_write_marker(out, m->marker, m->data, m->data_length);
  write_record(job, denominator, text);

  JSAMPARRAY rows = (*in->mem->alloc_sarray)(
      (j_common_ptr)in, JPOOL_IMAGE, in->output_width * (JDIMENSION)in->output_components,
      ROWS_PER_STEP);
  while (in->output_scanline < in->output_height) {
    JDIMENSION n = jpeg_read_scanlines(in, rows, ROWS_PER_STEP);
    jpeg_write_scanlines(out, rows, n);
  }
  jpeg_finish_compress(out);
  finish_record(job);
  return RDCTJPEG_OK;
}

#define RANDOM_CHARACTERS 6
/* Not a result: the unnamed way cannot be taken here, take the named one. */
#define TRY_NAMED (-1)

/* The destination's folder, opened once, with the destination's own name and
 * a short hidden temporary name in it, whatever the length of the
 * destination's name. Every call below names files relative to the folder,
 * so none reaches past it, and none follows a link of the destination's
 * name: such a link is replaced. */
struct place {
  int folder;
  const char *name;
  char temporary[sizeof RDCTJPEG_TEMPORARY_PREFIX + RANDOM_CHARACTERS];
};

static int open_place(const char *destination, struct place *p) {
  p->folder = -1;
  const char *slash = strrchr(destination, '/');
  p->name = slash ? slash + 1 : destination;
  if (!*p->name)
    return -1;
  if (!slash) {
    p->folder = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  } else {
    size_t length = (size_t)(slash - destination);
    char *folder = malloc(length + 2);
    if (!folder)
      return -1;
    memcpy(folder, destination, length);
    folder[length] = '\0';
    if (length == 0)
      strcpy(folder, "/");
    p->folder = open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    free(folder);
  }
  memcpy(p->temporary, RDCTJPEG_TEMPORARY_PREFIX, sizeof RDCTJPEG_TEMPORARY_PREFIX - 1);
  p->temporary[sizeof p->temporary - 1] = '\0';
  return p->folder >= 0 ? 0 : -1;
}

/* Gives the temporary name a new random ending. */
static int randomize(struct place *p) {
  static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  unsigned char random[RANDOM_CHARACTERS];
  if (getrandom(random, sizeof random, 0) != (ssize_t)sizeof random)
    return -1;
  char *suffix = p->temporary + sizeof RDCTJPEG_TEMPORARY_PREFIX - 1;
  for (int i = 0; i < RANDOM_CHARACTERS; ++i)
    suffix[i] = digits[random[i] % 36];
  return 0;
}

static int write_all(int fd, const unsigned char *data, size_t length) {
  while (length > 0) {
    ssize_t n = write(fd, data, length);
    if (n < 0 && errno == EINTR)
      continue;
    if (n <= 0)
      return -1;
    data += n;
    length -= (size_t)n;
  }
  return 0;
}

/* Gives the unnamed file of fd the name in the place's folder; fails with
 * EEXIST when the name is taken. */
static int link_unnamed(int fd, const struct place *p, const char *name) {
  char self[32];
  snprintf(self, sizeof self, "/proc/self/fd/%d", fd);
  return linkat(AT_FDCWD, self, p->folder, name, AT_SYMLINK_FOLLOW);
}

/* A file made with O_TMPFILE has no name until it is complete, so a call
 * killed while writing leaves nothing behind. It takes the destination's name
 * at once when that is free; else it is linked under the short temporary
 * name and renamed over the old file. */
static int store_unnamed(struct place *p, const unsigned char *data, size_t length) {
  int fd = openat(p->folder, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0644);
  if (fd < 0)
    return TRY_NAMED; /* a file system without O_TMPFILE */
  int code = RDCTJPEG_OK;
  if (write_all(fd, data, length) != 0)
    code = RDCTJPEG_E_WRITE;
  else if (link_unnamed(fd, p, p->name) == 0)
    code = RDCTJPEG_OK;
  else if (errno != EEXIST)
    code = TRY_NAMED; /* no /proc to link through */
  else {
    code = RDCTJPEG_E_WRITE;
    for (int attempt = 0; attempt < 100 && code == RDCTJPEG_E_WRITE; ++attempt) {
      if (randomize(p) != 0)
        break;
      if (link_unnamed(fd, p, p->temporary) != 0) {
        if (errno != EEXIST)
          break;
        continue;
      }
      if (renameat(p->folder, p->temporary, p->folder, p->name) == 0)
        code = RDCTJPEG_OK;
      else {
        unlinkat(p->folder, p->temporary, 0);
        break;
      }
    }
  }
  if (close(fd) != 0 && code == RDCTJPEG_OK)
    code = RDCTJPEG_E_WRITE;
  return code;
}

/* Creates the file with O_EXCL and mode 0644, which the kernel reduces by the
 * umask; mkstemp would give 0600 and reading the umask is not thread-safe. */
static int create_temporary(struct place *p) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (randomize(p) != 0)
      return -1;
    int fd =
        openat(p->folder, p->temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
}

/* Written under the short temporary name and renamed into place. */
static int store_named(struct place *p, const unsigned char *data, size_t length) {
  int fd = create_temporary(p);
  if (fd < 0)
    return RDCTJPEG_E_WRITE;
  int ok = write_all(fd, data, length) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && renameat(p->folder, p->temporary, p->folder, p->name) == 0;
  if (!ok)
    unlinkat(p->folder, p->temporary, 0);
  return ok ? RDCTJPEG_OK : RDCTJPEG_E_WRITE;
}

static int store(const char *destination, const unsigned char *data, size_t length) {
  struct place p;
  if (open_place(destination, &p) != 0) {
    if (p.folder >= 0)
      close(p.folder);
    return RDCTJPEG_E_WRITE;
  }
  int code = store_unnamed(&p, data, length);
  if (code == TRY_NAMED)
    code = store_named(&p, data, length);
  close(p.folder);
  return code;
}

RDCTJPEG_EXPORT int ReductJPEGFile(const char *source, const char *destination,
                                   int denominator, const char *text) {
  int quality = quality_from_text(text);
  if (!source || !*source || !destination || !*destination || quality == 0 ||
      (denominator != 2 && denominator != 4 && denominator != 8))
    return RDCTJPEG_E_ARGUMENT;

  struct job *job = calloc(1, sizeof *job);
  if (!job)
    return RDCTJPEG_E_TOO_LARGE;
  int code = read_source(source, job);
  if (code == RDCTJPEG_OK)
    code = reduce(job, denominator, quality, text);
  /* The source is no longer needed: free it before writing. */
  if (job->out_created)
    jpeg_destroy_compress(&job->out);
  if (job->in_created)
    jpeg_destroy_decompress(&job->in);
  free(job->file);
  if (code == RDCTJPEG_OK)
    code = store(destination, job->dest.data, job->dest.length);
  free(job->dest.data);
  free(job);
  return code;
}
