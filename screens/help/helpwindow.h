#pragma once
// The help viewer: the table of contents beside the page it shows.

#include <QTextBrowser>
#include <QWidget>

class QHelpEngine;

// Reads the pages out of the compiled help.
class HelpBrowser : public QTextBrowser
{
public:
    HelpBrowser(QHelpEngine *engine, QWidget *parent = nullptr);
    QVariant loadResource(int type, const QUrl &name) override;

private:
    QHelpEngine *m_engine;
};

class QHelpContentWidget;
class QSplitter;

// Opens wholly on the screen, closes with Escape, and keeps its contents wide enough for every
// title.
class HelpWindow : public QWidget
{
public:
    explicit HelpWindow(QHelpEngine *engine, QWidget *parent = nullptr);
    void showUrl(const QUrl &url);
    QUrl currentUrl() const;
    HelpBrowser *browser() const { return m_browser; }
    QHelpContentWidget *contents() const { return m_contents; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Widens the contents to their longest open title, within half the window.
    void fitContents();

    HelpBrowser *m_browser;
    QHelpContentWidget *m_contents;
    QSplitter *m_splitter;
    bool m_placed = false;
};
