/* SPDX-License-Identifier: GPL-3.0-or-later
 * Writes COUNT JPEG pictures FOLDER/pNN.jpg of WIDTH x HEIGHT, each with its
 * own colours, for the benches that need photos but no corpus.
 *   cc -O2 -o make_photos make_photos.c -ljpeg
 *   make_photos FOLDER COUNT WIDTH HEIGHT */
#include <stdio.h>
#include <stdlib.h>

#include <jpeglib.h>

static int write_photo(const char *path, int number, int width, int height)
{
    FILE *file = fopen(path, "wb");
    if (!file)
        return -1;
    struct jpeg_compress_struct out;
    struct jpeg_error_mgr error;
    out.err = jpeg_std_error(&error);
    jpeg_create_compress(&out);
    jpeg_stdio_dest(&out, file);
    out.image_width = (JDIMENSION)width;
    out.image_height = (JDIMENSION)height;
    out.input_components = 3;
    out.in_color_space = JCS_RGB;
    jpeg_set_defaults(&out);
    jpeg_set_quality(&out, 85, TRUE);
    jpeg_start_compress(&out, TRUE);
    JSAMPLE *row = malloc((size_t)width * 3);
    while (out.next_scanline < out.image_height) {
        int y = (int)out.next_scanline;
        for (int x = 0; x < width; ++x) {
            row[x * 3] = (JSAMPLE)((x * 255 / width + number * 37) & 255);
            row[x * 3 + 1] = (JSAMPLE)((y * 255 / height + number * 11) & 255);
            row[x * 3 + 2] = (JSAMPLE)(((x ^ y) + number * 53) & 255);
        }
        jpeg_write_scanlines(&out, &row, 1);
    }
    jpeg_finish_compress(&out);
    jpeg_destroy_compress(&out);
    free(row);
    return fclose(file);
}

int main(int argc, char **argv)
{
    if (argc != 5) {
        fprintf(stderr, "usage: make_photos FOLDER COUNT WIDTH HEIGHT\n");
        return 2;
    }
    int count = atoi(argv[2]), width = atoi(argv[3]), height = atoi(argv[4]);
    char path[4096];
    for (int i = 1; i <= count; ++i) {
        snprintf(path, sizeof path, "%s/p%02d.jpg", argv[1], i);
        if (write_photo(path, i, width, height) != 0) {
            perror(path);
            return 1;
        }
    }
    return 0;
}
