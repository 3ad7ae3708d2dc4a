// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>

class QWidget;

// Keeping top-level windows on the screen, and fitting a column of controls
// designed at one height into a shorter one.
namespace WindowPlace {

// Brings a top-level window, with its frame as far as the window system has
// told it, whole onto the free area of the screen it is mostly on: a size
// larger than that area is cut to it (never below the window's minimum),
// then the window is moved inside. A window still larger than the area
// keeps its top left corner on it. A shown window whose frame is not known
// yet is kept on the screen again once it is.
void keepOnScreen(QWidget &window);

// A column of controls laid out at a designed height. Fitted into less
// height, it first gives up the spacing between its controls, then the
// height of the controls that may shrink (lists), down to their minimum;
// every other control keeps its size. Rectangles are in pixels.
class SqueezableColumn
{
public:
    // minimum: a control's least height; its designed height when it may not shrink.
    void add(const QRect &designed, int minimum);
    void add(const QRect &designed) { add(designed, designed.height()); }
    // The designed rectangles, with their tops and heights fitted into the
    // column's first `height` pixels; as designed when they fit.
    QList<QRect> fitted(int height) const;
    // The least height the column fits into.
    int shortest() const;

private:
    struct Cut
    {
        double from;
        double to;
        double length; // how much of [from, to) is taken out
    };
    int bottom() const;
    QList<Cut> cuts(int height) const;

    QList<QRect> m_designed;
    QList<int> m_minimum;
};

} // namespace WindowPlace
