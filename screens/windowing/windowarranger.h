#pragma once
// "T&ile" and "&Cascade" of the frame's Window menu: they arrange the open child windows inside
// the frame's window area. They never resize the frame, and a window of fixed size (About, the
// calculators) keeps its size; only resizable windows take the size of their place.

class QMdiArea;
class QMdiSubWindow;

class WindowArranger
{
public:
    static void tile(QMdiArea *area);
    static void cascade(QMdiArea *area);

    // Whether a child window keeps its size (marked when it was opened).
    static bool isFixedSize(const QMdiSubWindow *window);
    static void markFixedSize(QMdiSubWindow *window);
};
