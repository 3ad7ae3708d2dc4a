/* SPDX-License-Identifier: GPL-3.0-or-later
 * Writes one JPEG picture of WIDTH x HEIGHT for the memory benches: baseline
 * or progressive, colour at 4:2:0 or 4:4:4. With CLAIM_WIDTH and
 * CLAIM_HEIGHT, the frame header is then made to declare that size instead,
 * as a small hostile file does.
 *   cc -O2 -o make_jpeg make_jpeg.c -ljpeg
 *   make_jpeg PATH WIDTH HEIGHT baseline|progressive 420|444 [CLAIM_WIDTH CLAIM_HEIGHT] */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <jpeglib.h>

static void fill_row(JSAMPLE *row, int width, int height, int y)
{
    unsigned state = (unsigned)y * 2654435761u;
    for (int x = 0; x < width; ++x) {
        state = state * 1103515245u + 12345u;
        int grain = (int)(state >> 27) - 16;
        row[x * 3] = (JSAMPLE)((x * 255 / width + grain) & 255);
        row[x * 3 + 1] = (JSAMPLE)((y * 255 / height + grain) & 255);
        row[x * 3 + 2] = (JSAMPLE)(((x ^ y) + grain) & 255);
    }
}

static int encode(FILE *file, int width, int height, int progressive, int full_chroma)
{
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
    jpeg_set_quality(&out, 90, TRUE);
    if (full_chroma)
        out.comp_info[0].h_samp_factor = out.comp_info[0].v_samp_factor = 1;
    if (progressive)
        jpeg_simple_progression(&out);
    jpeg_start_compress(&out, TRUE);
    JSAMPLE *row = malloc((size_t)width * 3);
    if (!row)
        return -1;
    while (out.next_scanline < out.image_height) {
        fill_row(row, width, height, (int)out.next_scanline);
        jpeg_write_scanlines(&out, &row, 1);
    }
    jpeg_finish_compress(&out);
    jpeg_destroy_compress(&out);
    free(row);
    return 0;
}

/* Overwrites the height and width of the frame header (SOF0..SOF15). */
static int claim(FILE *file, int width, int height)
{
    unsigned char segment[4];
    long at = 2;
    for (;;) {
        if (fseek(file, at, SEEK_SET) != 0 || fread(segment, 1, 4, file) != 4 || segment[0] != 0xFF)
            return -1;
        int code = segment[1];
        if (code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC)
            break;
        at += 2 + (segment[2] << 8 | segment[3]);
    }
    unsigned char size[4] = {(unsigned char)(height >> 8), (unsigned char)height, (unsigned char)(width >> 8),
                             (unsigned char)width};
    return fseek(file, at + 5, SEEK_SET) == 0 && fwrite(size, 1, 4, file) == 4 ? 0 : -1;
}

int main(int argc, char **argv)
{
    if (argc != 6 && argc != 8) {
        fprintf(stderr, "usage: make_jpeg PATH WIDTH HEIGHT baseline|progressive 420|444 "
                        "[CLAIM_WIDTH CLAIM_HEIGHT]\n");
        return 2;
    }
    FILE *file = fopen(argv[1], "w+b");
    if (!file) {
        perror(argv[1]);
        return 1;
    }
    int ok = encode(file, atoi(argv[2]), atoi(argv[3]), strcmp(argv[4], "progressive") == 0,
                    strcmp(argv[5], "444") == 0) == 0;
    if (ok && argc == 8)
        ok = fflush(file) == 0 && claim(file, atoi(argv[6]), atoi(argv[7])) == 0;
    ok = fclose(file) == 0 && ok;
    if (!ok)
        fprintf(stderr, "make_jpeg: cannot write %s\n", argv[1]);
    return ok ? 0 : 1;
}
