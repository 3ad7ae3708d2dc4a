/* SPDX-License-Identifier: GPL-3.0-or-later
 * libFuzzer target: ReductJPEGFile on any file contents. The first byte picks
 * the denominator and the quality; the rest is the source file, held in
 * memory and read through its /proc path. Besides the sanitizers' findings,
 * a call must leave exactly what its return code says: the reduced file on
 * success, no file on failure. */
#define _GNU_SOURCE
#include "rdctjpeg.h"

#include <dirent.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <unistd.h>

static char folder[] = "/tmp/velmo-fuzz-XXXXXX";
static char source[64];
static char destination[sizeof folder + 16];
static int source_fd = -1;

/* Counts every entry, so a temporary file left behind counts too. */
static int files_in_folder(void)
{
    DIR *dir = opendir(folder);
    if (!dir)
        abort();
    int count = 0;
    for (struct dirent *entry; (entry = readdir(dir));)
        count += strcmp(entry->d_name, ".") != 0 && strcmp(entry->d_name, "..") != 0;
    closedir(dir);
    return count;
}

static void remove_folder(void)
{
    unlink(destination);
    rmdir(folder);
}

int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    (void)argc;
    (void)argv;
    source_fd = memfd_create("source.jpg", MFD_CLOEXEC);
    if (source_fd < 0 || !mkdtemp(folder))
        abort();
    snprintf(source, sizeof source, "/proc/self/fd/%d", source_fd);
    snprintf(destination, sizeof destination, "%s/s_source.jpg", folder);
    atexit(remove_folder);
    return 0;
}

int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    static const int denominators[] = {2, 4, 8};
    char text[RDCTJPEG_TEXT_LENGTH + 1];
    snprintf(text, sizeof text, "RDCTJ:Q%03d", 1 + (data[0] >> 2) % 100);
    if (ftruncate(source_fd, 0) != 0 || pwrite(source_fd, data + 1, size - 1, 0) != (ssize_t)(size - 1))
        abort();

    int code = ReductJPEGFile(source, destination, denominators[data[0] % 3], text);

    if (files_in_folder() != (code == RDCTJPEG_OK))
        abort();
    unlink(destination);
    return 0;
}
