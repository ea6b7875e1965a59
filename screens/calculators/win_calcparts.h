#pragma once
// Pieces the calculator windows share: the desktop-calculator and help
// buttons, prompts bound to their controls, and display-only values.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace calcparts
{

// A picture button with a tip; the tip is also its accessible name.
QPushButton *pictureButton(const QString &iconName, const QString &tip, QWidget *parent);
// The calculator picture button: starts the desktop calculator, does not wait.
QPushButton *calculatorButton(QWidget *parent);
// A copy picture button.
QPushButton *copyButton(const QString &tip, QWidget *parent);
// A button that opens the help page of `keyword`.
QPushButton *helpButton(const QString &keyword, const QString &tip, QWidget *parent);
// A button with its text and tip.
QPushButton *button(const QString &text, const QString &tip, QWidget *parent);
// A prompt whose access key moves the focus to `buddy`.
QLabel *prompt(const QString &text, QWidget *buddy);
// A display-only value, right-aligned in a sunken box.
QLabel *display(const QString &objectName, QWidget *parent, int minimumChars = 8);

} // namespace calcparts
