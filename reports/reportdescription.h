#pragma once
// What a report looks like: a page header, a detail band printed once per record
// and a page footer, with their items placed in millimetres on an A4 page. Bands
// narrower than the report body are placed side by side (labels), across first.
// The description holds no data: a detail item names the field of the record's
// values that it shows, and the engine lays the records out into pages.

#include <QColor>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <vector>

struct FontSpec {
    QString family = QStringLiteral("Times New Roman");
    double pointSize = 8;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

struct ReportItem {
    enum class Kind {
        Text, // one line of text cut to its width
        Rule, // a line from (x, y) to (x + width, y + height)
        Box, // a framed rectangle
        Memo, // formatted notes (rich or plain text) wrapped and clipped to the box
    };
    Kind kind = Kind::Text;
    QRectF mm; // from the band's top-left; a text's height of 0 is its font's line height,
               // a width of 0 reaches the band's right edge
    QString text; // fixed text; for a page number the picture that formats it
    int field = -1; // >= 0: the detail record's value of that index instead of `text`
    bool pageNumber = false; // the page number through the picture in `text`
    FontSpec font;
    QColor color = Qt::black;
    Qt::Alignment align = Qt::AlignLeft;
    double penMm = 0.2; // rules and boxes
};

struct Band {
    double heightMm = 0;
    double widthMm = 0; // 0: the whole body width
    std::vector<ReportItem> items;
};

struct ReportDescription {
    QString title; // the document's name (PDF title, preview caption)
    QSizeF pageMm { 210, 297 };
    // The report body, where detail bands go. Every band's x is measured from its left edge.
    QRectF bodyMm { 2, 30, 206, 232 };
    double headerTopMm = 0;
    double footerTopMm = 263;
    Band header;
    Band detail;
    Band footer;
    // Printed once below the last detail band (a totals line), on a page of its own when it
    // does not fit under the last record; never when there is no record. Its values come from
    // the source's summary().
    Band summary;

    // Detail bands on one page: columns across times rows down.
    int columns() const;
    int rows() const;
    int bandsPerPage() const { return columns() * rows(); }
};

// Builders for the item lists of report layouts.
namespace item
{
ReportItem text(double x, double y, double width, const QString &text, const FontSpec &font = {});
ReportItem field(
    double x, double y, double width, int field, const FontSpec &font = {}, Qt::Alignment align = Qt::AlignLeft);
ReportItem pageNumber(double x, double y, double width, const QString &picture, const FontSpec &font = {});
ReportItem rule(double x, double y, double length, double penMm = 0.2);
ReportItem box(double x, double y, double width, double height, double penMm = 0.2);
ReportItem memo(double x, double y, double width, double height, int field, const FontSpec &font = {});
} // namespace item
