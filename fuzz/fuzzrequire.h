// SPDX-License-Identifier: GPL-3.0-or-later
// What every fuzz target checks with: a broken property ends the run, and
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdlib>

inline void require(bool condition)
{
    if (!condition)
        std::abort();
}
