// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sizing state shared by the viewer, the slide show and the album build:
// the picture's natural size and the box (both in the callers' units), and the
// fit ratio of the last fit that scaled, which stays in force until the next.
struct FitState
{
    int naturalWidth = 0;
    int naturalHeight = 0;
    int boxWidth = 0;
    int boxHeight = 0;
    float ratioWidth = 0.0f;  // the fit ratio as applied to widths
    float ratioHeight = 0.0f; // and to heights; both always hold the same value
};

// How the picture display is to be sized after a fit.
struct FitResult
{
    double width = 0;
    double height = 0;
    bool stretch = false; // false: the display takes the picture's natural size
};

// Scales a picture larger than the box in either direction down to the
// largest size that fits, proportions kept; a picture that fits keeps its
// size and leaves the ratio alone. A box or natural size of 0 where a ratio
// is needed fails with 11.
FitResult fitToBox(FitState &state);
