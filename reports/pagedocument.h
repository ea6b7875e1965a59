#pragma once
// A report laid out into pages: each page a list of positioned items (texts already
// cut to their width, rules, boxes, memos) in millimetres from the page's top-left.
// Renderers paint a page on a printer, a PDF file or the preview. The document keeps
// only where each page starts in its source, and lays a page out when it is asked
// for, so a report of tens of thousands of pages never holds them all.

#include "reports/reportdescription.h"
#include "reports/reportsource.h"

#include <QRectF>
#include <memory>
#include <vector>

struct PageItem {
    ReportItem::Kind kind = ReportItem::Kind::Text;
    QRectF mm;
    QString text;
    FontSpec font;
    QColor color = Qt::black;
    Qt::Alignment align = Qt::AlignLeft;
    double penMm = 0.2;
};

struct ReportPage {
    int number = 1; // counted from 1
    std::vector<PageItem> items;

    // The texts of the page from top to bottom, left to right on a line: what tests read.
    std::vector<const PageItem *> textsAt(double yMm, double toleranceMm = 0.01) const;
    const PageItem *textAt(double xMm, double yMm) const;
    bool hasText(const QString &text) const;
};

class PageDocument
{
public:
    // Pages between two noted starts: a page is found from the start before it by reading past
    // the records of the pages in between, so a long report keeps few cursors.
    static constexpr int kPagesPerStart = 16;

    // `starts[k]` is the cursor after which page k * kPagesPerStart begins (null for the first).
    PageDocument(ReportDescription description, std::shared_ptr<ReportSource> source, std::vector<Cursor> starts,
        std::int64_t records);

    const ReportDescription &description() const { return m_description; }
    QString title() const { return m_description.title; }
    int pageCount() const; // at least 1: an empty report is one bare page
    std::int64_t recordCount() const { return m_records; }
    // Page `index` (from 0), read from the source and laid out.
    Expected<ReportPage> page(int index) const;

    // The items of one page holding `records` (at most one page's worth), and below them the
    // summary band with `summary` on the last page.
    static ReportPage layOut(const ReportDescription &description, int number, const std::vector<QStringList> &records,
        const QStringList *summary = nullptr);

private:
    ReportDescription m_description;
    std::shared_ptr<ReportSource> m_source;
    std::vector<Cursor> m_starts;
    std::int64_t m_records = 0;
    // Where the page after the last one laid out begins: reading pages in order (printing,
    // paging forward) never reads a record twice.
    mutable int m_nextIndex = -1;
    mutable Cursor m_nextFrom;
};
