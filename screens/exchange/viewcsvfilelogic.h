#pragma once
// ViewCSVFile, "View/Save the CSV file.": the export file as it stands, a copy saved under
// another name, and the question on closing before a copy was saved.

#include "platform/prompter.h"

#include <QString>

class ViewCsvFileView
{
public:
    virtual ~ViewCsvFileView() = default;
    virtual void focusSaveAs() = 0;
    virtual void focusClose() = 0;
    // The system's save dialog. Returns the chosen name, empty when cancelled; `error` is
    // set when the dialog itself failed.
    virtual QString askSaveName(const QString &title, const QString &filter, const QString &suggested, QString *error)
        = 0;
};

class ViewCsvFileLogic
{
public:
    static QString caption() { return QStringLiteral("View/Save the CSV file."); }

    ViewCsvFileLogic(QString dataFolder, Prompter &prompter, ViewCsvFileView &view);

    QString sourcePath() const;
    // GLO:CSVFILENAME, "s45".
    QString heading() const;
    // "&Search..." is hidden for a single-brew export.
    bool searchVisible() const;

    void saveAs();
    // "&Close": true when the window may close; false keeps it open with the focus on "Save as".
    bool closeRequested();
    // The window is gone: the selector back to 0, GLO:CSVFILENAME blank, the saved mark forgotten.
    void closed();
    bool isSaved() const { return m_saved; }

    static Message saveQuestion();

private:
    QString m_folder;
    Prompter &m_prompter;
    ViewCsvFileView &m_view;
    bool m_saved = false;
};
