#pragma once
// The program-wide focus highlight: an entry field, spin box, check box, radio
// button or combo that takes the focus while visible and enabled gets a light
// yellow background; its own colours come back when the focus moves on.
// Installed once on the application; the frame's toolbar is never highlighted.

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QPointer>

class QWidget;

class FocusHighlighter : public QObject
{
public:
    static const QColor kColour; // RGB(254, 254, 201)

    // Installs the highlighter on the application (once; later calls do nothing).
    static void install();

    // The widget that shows the highlight when `focused` takes the focus, or
    // nullptr when it takes none (an inner line edit yields its spin box or combo).
    static QWidget *highlightTarget(QWidget *focused);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FocusHighlighter(QObject *parent)
        : QObject(parent)
    {
    }
    void highlight(QWidget *w);
    void restore();

    QPointer<QWidget> m_current;
    QPalette m_savedPalette;
    bool m_savedAutoFill = false;
    bool m_savedOwnPalette = false;
};
