/* SPDX-License-Identifier: GPL-3.0-or-later
 * A loadable library that lacks ReductJPEGFile. */
int ReductJpegFile(void)
{
    return 0;
}
