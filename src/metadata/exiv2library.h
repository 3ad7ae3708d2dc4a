// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Exiv2 set up once for the whole program: its XMP toolkit initialised with
// a lock, since photos are read from several threads, and its own log
// muted, so that nothing it says reaches the user's terminal.
namespace Exiv2Library {
void ensureReady();
} // namespace Exiv2Library
