#pragma once
// The splash window shown while Maltwright starts (OpeningSplash): the name,
// the version, a picture and "Loading...". It closes at its timer (4 seconds),
// when clicked or double-clicked, or when it loses the focus.

#include <QBasicTimer>
#include <QWidget>

class OpeningSplash : public QWidget
{
public:
    static constexpr int kDesignedMs = 4000;

    // `ms`: how long it stays; the environment variable MALTWRIGHT_SPLASH_MS
    // may shorten it (for measuring start-up), never lengthen it.
    explicit OpeningSplash(int ms = kDesignedMs, QWidget *parent = nullptr);
    static int intervalFromEnvironment(int ms = kDesignedMs);

    // Shows the splash and returns once it has closed.
    void showAndWait();

protected:
    void timerEvent(QTimerEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;

private:
    QBasicTimer m_timer;
    int m_ms;
    bool m_wasActive = false;
};
