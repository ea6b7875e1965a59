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

class HelpWindow : public QWidget
{
public:
    explicit HelpWindow(QHelpEngine *engine, QWidget *parent = nullptr);
    void showUrl(const QUrl &url);
    QUrl currentUrl() const;
    HelpBrowser *browser() const { return m_browser; }

private:
    HelpBrowser *m_browser;
};
