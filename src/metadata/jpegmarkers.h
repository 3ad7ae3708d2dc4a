// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The JPEG markers that Velmo's readers of photo headers look for: every
// segment begins with MarkerStart and one of these.
namespace JpegMarker {
inline constexpr unsigned char MarkerStart = 0xFF;
inline constexpr unsigned char StartOfImage = 0xD8;
inline constexpr unsigned char EndOfImage = 0xD9;
inline constexpr unsigned char StartOfScan = 0xDA;
inline constexpr unsigned char App1 = 0xE1;  // EXIF, XMP
inline constexpr unsigned char App13 = 0xED; // IPTC
inline constexpr unsigned char Comment = 0xFE;
} // namespace JpegMarker
