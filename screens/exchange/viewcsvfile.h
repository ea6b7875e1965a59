#pragma once
// ViewCSVFile: the lines of the export file in a list (a model over the file, so 100,000
// lines show at once), "&Search...", "Save as" and "&Close".

#include "platform/gui/messagebox.h"
#include "screens/exchange/csvfilelinesmodel.h"
#include "screens/exchange/viewcsvfilelogic.h"

#include <QDialog>

class QLabel;
class QListView;
class QPushButton;

class ViewCsvFile : public QDialog, private ViewCsvFileView
{
public:
    explicit ViewCsvFile(QWidget *parent = nullptr);
    ~ViewCsvFile() override;

    // Loads the export file; false (after saying why) when it cannot be read.
    bool load();
    // Opens the viewer over the export file and waits until it closes.
    static void call(QWidget *parent);

    QListView *list() const { return m_list; }
    QPushButton *searchButton() const { return m_search; }
    QPushButton *saveAsButton() const { return m_saveAs; }
    QPushButton *closeButton() const { return m_close; }
    void search(const QString &text);

private:
    void focusSaveAs() override;
    void focusClose() override;
    QString askSaveName(const QString &title, const QString &filter, const QString &suggested, QString *error) override;
    void askSearch();

    MessageBoxPrompter m_prompter;
    ViewCsvFileLogic m_logic;
    CsvFileLinesModel m_lines;
    QLabel *m_heading = nullptr;
    QListView *m_list = nullptr;
    QPushButton *m_search = nullptr;
    QPushButton *m_saveAs = nullptr;
    QPushButton *m_close = nullptr;
    QString m_lastSearch;
};
