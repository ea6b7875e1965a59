#pragma once
// The print preview of a report: one page at a time, painted when it is shown, at a
// zoom the user chooses; paging, printing all pages or chosen ones, saving as PDF,
// or closing without printing. Its place is kept in the window-state file.

#include "platform/result.h"
#include "reports/pagedocument.h"

#include <QWidget>
#include <functional>
#include <memory>

class Prompter;
class QLabel;
class QScrollArea;
class QSpinBox;
class QComboBox;

class PrintPreview : public QWidget
{
    Q_OBJECT
public:
    static constexpr const char *kProcedure = "PrintPreview";

    // Opens the preview as a started window, maximised at 100 % on page 1. `closed` runs when it closes.
    static PrintPreview *open(
        std::unique_ptr<PageDocument> document, Prompter &prompter, std::function<void()> closed = {});

    PrintPreview(std::unique_ptr<PageDocument> document, Prompter &prompter, QWidget *parent = nullptr);
    ~PrintPreview() override;

    const PageDocument &document() const { return *m_document; }
    int currentPage() const { return m_page; } // from 0
    double zoom() const { return m_zoom; }
    void showPage(int index);
    void setZoom(double zoom);
    void zoomIn();
    void zoomOut();

    // Prints the pages (indexes from 0; empty for all) on the printer the user chooses.
    void print(const QList<int> &pages = {});
    // Asks for the pages to print ("1-3, 5") and prints them.
    void printChosenPages();
    // Asks for a file name and saves the document as a PDF.
    void saveAsPdf();
    Result savePdf(const QString &path, const QList<int> &pages = {});

    // The picture of the page now shown (for tests and screenshots).
    QImage pageImage() const;
    // Closes the preview without printing.
    void closeWindow();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build();
    void render();

    std::unique_ptr<PageDocument> m_document;
    Prompter &m_prompter;
    int m_page = 0;
    double m_zoom = 1.0;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_view = nullptr;
    QSpinBox *m_pageBox = nullptr;
    QLabel *m_pageCount = nullptr;
    QComboBox *m_zoomBox = nullptr;
    std::function<void()> m_closed;
};
