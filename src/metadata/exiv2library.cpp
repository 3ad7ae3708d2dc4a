// SPDX-License-Identifier: GPL-3.0-or-later
#include "metadata/exiv2library.h"

#include <exiv2/exiv2.hpp>

#include <mutex>

namespace {

void lockXmp(void *mutex, bool locking)
{
    auto *m = static_cast<std::mutex *>(mutex);
    if (locking)
        m->lock();
    else
        m->unlock();
}

// Lives to the end of the program; the toolkit is closed at exit.
struct Exiv2Setup
{
    Exiv2Setup()
    {
        Exiv2::LogMsg::setLevel(Exiv2::LogMsg::mute);
        Exiv2::XmpParser::initialize(lockXmp, &mutex);
    }
    ~Exiv2Setup() { Exiv2::XmpParser::terminate(); }
    std::mutex mutex;
};

} // namespace

namespace Exiv2Library {

void ensureReady()
{
    static Exiv2Setup setup; // thread-safe first use
}

} // namespace Exiv2Library
