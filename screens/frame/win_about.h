#pragma once
// The About window (Win_About): the product name and version with a picture;
// one at a time, its position kept.

#include <QWidget>

class QPushButton;

class Win_About : public QWidget
{
public:
    static inline const QString kProcedure = QStringLiteral("Win_About");

    explicit Win_About(QWidget *parent = nullptr);
    // Opens the About window, or brings the open one to the front.
    static QWidget *start();
    QPushButton *closeButton() const { return m_close; }

private:
    QPushButton *m_close;
};
