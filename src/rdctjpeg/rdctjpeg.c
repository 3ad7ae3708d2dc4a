/* SPDX-License-Identifier: GPL-3.0-or-later
 * RdctJPEG: scaled decode with libjpeg, encode again, write beside the target
 * and rename into place. Every call owns all of its state (reentrant). */
#define _GNU_SOURCE
#include "rdctjpeg.h"

#include <errno.h>
#include <fcntl.h>
#include <setjmp.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/random.h>
#include <sys/stat.h>
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
  unsigned char *file;
  size_t file_size;
};

static void fail(j_common_ptr cinfo, int code) {
  struct error_mgr *err = (struct error_mgr *)cinfo->err;
  err->code = code;
  longjmp(err->jump, 1);
}

static void on_error_exit(j_common_ptr cinfo) {
  int code = cinfo->err->msg_code;
  fail(cinfo, (code == JERR_OUT_OF_MEMORY || code == JERR_NO_BACKING_STORE)
                  ? RDCTJPEG_E_TOO_LARGE : RDCTJPEG_E_DECODE);
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
  struct stat st;
  int code = RDCTJPEG_OK;
  if (fstat(fd, &st) != 0)
    code = RDCTJPEG_E_OPEN;
  else if (!S_ISREG(st.st_mode))
    code = RDCTJPEG_E_NOT_REGULAR;
  else if (st.st_size == 0)
    code = RDCTJPEG_E_DECODE;
  else if ((long long)st.st_size > RDCTJPEG_MAX_FILE_BYTES)
    code = RDCTJPEG_E_TOO_LARGE;
  else if (!(job->file = malloc((size_t)st.st_size)))
    code = RDCTJPEG_E_TOO_LARGE;
  size_t size = code == RDCTJPEG_OK ? (size_t)st.st_size : 0, done = 0;
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
  return m->marker == JPEG_APP0 + 1 && m->data_length >= 6 && memcmp(m->data, "Exif\0\0", 6) == 0;
}

/* APP1 (EXIF, XMP) is copied whole; of APP2 only the ICC profile, since the
 * others there (the multi-picture index of cameras) point at data that the
 * reduced file no longer holds. */
static int is_copied(const jpeg_saved_marker_ptr m) {
  return m->marker == JPEG_APP0 + 1 ||
         (m->marker == JPEG_APP0 + 2 && m->data_length >= 12 &&
          memcmp(m->data, "ICC_PROFILE\0", 12) == 0);
}

/* Decodes job->file at 1/denominator and encodes the result into job->dest.
 * Every resource lives in *job, so the caller frees it whichever way we leave. */
static int reduce(struct job *job, int denominator, int quality) {
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
  for (jpeg_saved_marker_ptr m = in->marker_list; m; m = m->next)
    if (is_exif(m) && !in->saw_JFIF_marker)
      out->write_JFIF_header = FALSE;

  jpeg_start_compress(out, TRUE);
  for (jpeg_saved_marker_ptr m = in->marker_list; m; m = m->next)
    if (is_copied(m))
      jpeg_write_marker(out, m->marker, m->data, m->data_length);

  JSAMPARRAY rows = (*in->mem->alloc_sarray)((j_common_ptr)in, JPOOL_IMAGE,
      in->output_width * (JDIMENSION)in->output_components, ROWS_PER_STEP);
  while (in->output_scanline < in->output_height) {
    JDIMENSION n = jpeg_read_scanlines(in, rows, ROWS_PER_STEP);
    jpeg_write_scanlines(out, rows, n);
  }
  jpeg_finish_compress(out);
  return RDCTJPEG_OK;
}

/* Temporary name ".<name>.XXXXXXXX" in the destination's folder, so that the
 * rename stays within one file system and the file stays out of listings. */
static char *temporary_name(const char *destination) {
  const char *slash = strrchr(destination, '/');
  size_t folder = slash ? (size_t)(slash - destination) + 1 : 0;
  size_t length = strlen(destination);
  char *name = malloc(length + 11);
  if (!name)
    return NULL;
  memcpy(name, destination, folder);
  name[folder] = '.';
  memcpy(name + folder + 1, destination + folder, length - folder);
  memcpy(name + length + 1, ".XXXXXXXX", 10);
  return name;
}

/* Creates the file with O_EXCL and mode 0644, which the kernel reduces by the
 * umask; mkstemp would give 0600 and reading the umask is not thread-safe. */
static int create_temporary(char *name) {
  static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  char *suffix = name + strlen(name) - 8;
  for (int attempt = 0; attempt < 100; ++attempt) {
    unsigned char random[8];
    if (getrandom(random, sizeof random, 0) != (ssize_t)sizeof random)
      return -1;
    for (int i = 0; i < 8; ++i)
      suffix[i] = digits[random[i] % 36];
    int fd = open(name, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0 || errno != EEXIST)
      return fd;
  }
  return -1;
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

static int store(const char *destination, const unsigned char *data, size_t length) {
  char *name = temporary_name(destination);
  if (!name)
    return RDCTJPEG_E_WRITE;
  int fd = create_temporary(name);
  if (fd < 0) {
    free(name);
    return RDCTJPEG_E_WRITE;
  }
  int ok = write_all(fd, data, length) == 0;
  ok = (close(fd) == 0) && ok;
  ok = ok && rename(name, destination) == 0;
  if (!ok)
    unlink(name);
  free(name);
  return ok ? RDCTJPEG_OK : RDCTJPEG_E_WRITE;
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
    code = reduce(job, denominator, quality);
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
