#pragma once
// The program's help: the pages shipped as MWhelp.qch, registered on a
// writable collection file in the user's cache folder. Shows the table of
// contents, a page by name (F1 shows the page of the active window's
// procedure) and a page by keyword (each window's Help button); a missing
// keyword is answered "Not found" under the title "Help topic".

#include "screens/help/helpwindow.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class Prompter;
class QHelpEngine;
class QHelpEngineCore;

class HelpSystem : public QObject
{
public:
    // `qchPath`: the compiled pages; `collectionPath`: a writable collection
    // file (created when missing), set up at the first lookup. Messages go
    // through `prompter` (not owned).
    HelpSystem(const QString &qchPath, const QString &collectionPath, Prompter *prompter, QObject *parent = nullptr);
    ~HelpSystem() override;

    // The pages next to the executable, the collection in the user's cache folder.
    static QString defaultQchPath();
    static QString defaultCollectionPath();

    // The help of the running program (nullptr before start-up attached one).
    static HelpSystem *instance();
    static void setInstance(HelpSystem *help);

    // Empty when the pages are registered and ready; else why not.
    QString error() const
    {
        ready();
        return m_error;
    }

    // The address of a page named after a procedure, or of the first page of a
    // keyword; an empty URL when there is none.
    QUrl pageUrl(const QString &page) const;
    QUrl keywordUrl(const QString &keyword) const;
    QUrl contentsUrl() const;
    QByteArray pageData(const QUrl &url) const;

    void showContents();
    // A page by name; the contents when the program has no such page.
    void showPage(const QString &page);
    // A page by keyword; false (after saying "Not found") when the keyword is missing.
    bool showKeyword(const QString &keyword);

    // F1 anywhere in the program shows the page of the active window.
    void installF1();
    // The help page of the window that holds `w` (the nearest widget, up from
    // `w`, that carries a procedure name).
    static QString helpPageFor(const QWidget *w);

    HelpWindow *window() const { return m_window; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show(const QUrl &url);
    bool ready() const;
    void setUp();

    // Lookups go through the core engine; the full engine behind the help
    // window's contents is made only when the window is first shown.
    QString m_qchPath;
    QString m_collectionPath;
    mutable bool m_setUp = false;
    QHelpEngineCore *m_engine = nullptr;
    QHelpEngine *m_viewerEngine = nullptr;
    QString m_namespace;
    mutable QString m_error;
    Prompter *m_prompter;
    QPointer<HelpWindow> m_window;
};
