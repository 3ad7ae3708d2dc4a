// SPDX-License-Identifier: GPL-3.0-or-later
#include "album/fittobox.h"

#include "platform/failure.h"

static float ratio(int box, int natural)
{
    if (natural == 0)
        throw Failure(FailureCode::DivisionByZero);
    return float(box) / float(natural);
}

FitResult fitToBox(FitState &state)
{
    const int bw = state.boxWidth;
    const int bh = state.boxHeight;
    const int nw = state.naturalWidth;
    const int nh = state.naturalHeight;
    float r = 0.0f;
    if (bh < nh) {
        r = ratio(bh, nh);
        if (float(bw) < r * float(nw))
            r = ratio(bw, nw);
    } else if (bw < nw) {
        r = ratio(bw, nw);
    } else {
        return {double(nw), double(nh), false};
    }
    state.ratioWidth = r;
    state.ratioHeight = r;
    return {double(r * float(nw)), double(r * float(nh)), true};
}
