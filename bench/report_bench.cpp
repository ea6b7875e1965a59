// Printed report figures. The batch-order list of 10,000 brews laid out and written to PDF,
// against drawing the same text items and rules with a bare QPainter on a QPdfWriter. The run of
// a list report over a log of 1,000,000 brews to its preview (time-sliced on its timer, as the
// window runs it, then the first page laid out), against reading the same rows once through
// the key by hand. The peak memory of a process that runs a report to its preview and pages to
// its last page, at 1,000,000 brews against 10,000 brews.

#include "platform/timeslicedrun.h"
#include "records/brewstable.h"
#include "reports/brewlistreports.h"
#include "reports/pagerenderer.h"
#include "reports/reportfonts.h"
#include "reports/reportrun.h"

#include <QEventLoop>
#include <QFile>
#include <QGuiApplication>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <sqlite3.h>

#include "benchtiming.h"

namespace
{

using benchtiming::medians;

void check(bool ok, const char *what)
{
    if (!ok) {
        std::fprintf(stderr, "report_bench: %s\n", what);
        std::exit(1);
    }
}

void exec(sqlite3 *db, const QString &sql)
{
    char *err = nullptr;
    if (sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        std::fprintf(stderr, "report_bench: %s: %s\n", qPrintable(sql), err ? err : "");
        std::exit(1);
    }
}

// A log of `rows` brews with every printed field filled in, written straight into a fresh store
// in one transaction with the keys built afterwards. Batch numbers are 16 bits: brews past
// 32,000 have none.
void generate(const QString &folder, int rows)
{
    {
        BrewsTable brews(folder);
        check(bool(brews.open()), "the store cannot be created");
    }
    sqlite3 *db = nullptr;
    check(sqlite3_open(qPrintable(BrewsTable(folder).store().filePath()), &db) == SQLITE_OK, "cannot open the store");
    exec(db, QStringLiteral("PRAGMA synchronous=OFF"));
    // Every index of the table is dropped for the load and built again afterwards.
    QStringList names, keys;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(
        db, "SELECT name, sql FROM sqlite_master WHERE type = 'index' AND sql IS NOT NULL", -1, &s, nullptr);
    while (sqlite3_step(s) == SQLITE_ROW) {
        names << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 0)));
        keys << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, 1)));
    }
    sqlite3_finalize(s);
    exec(db, QStringLiteral("BEGIN"));
    for (const QString &name : names)
        exec(db, QStringLiteral("DROP INDEX \"%1\"").arg(name));
    exec(db,
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
            "INSERT INTO BREWSV3 (RECORDNUMBER, BATCHNUMBER, BREWKIT, YEAST, BREWSUGARKG, PRIMERSUGARKG, DATEDOWN, "
            "DATEBOTTLED, BREWCOST, BREWPERIOD, BREWPERIOD2, BREWTEMP, ORIGINALGRAVITY, FINALGRAVITY, ESTIMATEDALC, "
            "MINUSE, MAXUSE, OVERALL, BREWBATCHNAME, STOCKONHAND, NOTES) "
            "SELECT i, CASE WHEN i <= 32000 THEN i ELSE 0 END, 'Bitter kit ' || (i * 7919 % 600), 'Safale S-04', "
            "1.25, CASE WHEN i % 2 THEN 0.1 ELSE 0 END, 80000 + (i * 37 % 9000), 80010 + (i * 37 % 9000), "
            "12.5 + i % 20, 7, 14, 20, 1050, 1010, 5.24, 80040 + (i * 37 % 9000), 80200 + (i * 37 % 9000), "
            "i % 51, CASE WHEN i % 5 = 0 THEN 'Christmas batch ' || i ELSE '' END, "
            "CASE WHEN i % 3 = 0 THEN '1' ELSE '0' END, 'Notes of brew ' || i FROM n")
            .arg(rows));
    for (const QString &key : keys)
        exec(db, key);
    exec(db, QStringLiteral("COMMIT"));
    sqlite3_close(db);
}

const BrewListMember &member(const char *procedure)
{
    const BrewListMember *m = brewlist::find(QString::fromLatin1(procedure));
    check(m != nullptr, "no such report");
    return *m;
}

brewlist::Options options()
{
    brewlist::Options o;
    o.today = 80500;
    return o;
}

// The run as the progress window drives it: slices on the 100 ms timer until the source is read.
std::unique_ptr<PageDocument> runSliced(const BrewListMember &m, const QString &folder)
{
    ReportRun run(brewlist::description(m, options()), brewlist::source(m, folder, options()));
    TimeSlicedRun sliced([&run] { return run.step(); });
    QEventLoop loop;
    QObject::connect(&sliced, &TimeSlicedRun::finished, &loop, &QEventLoop::quit);
    QObject::connect(&sliced, &TimeSlicedRun::failed, &loop, [&loop](const QString &message) {
        std::fprintf(stderr, "report_bench: %s\n", qPrintable(message));
        loop.exit(1);
    });
    sliced.start();
    check(loop.exec() == 0, "the run failed");
    return run.document();
}

// The report to its preview: the run, then the first page laid out.
std::int64_t toPreview(const BrewListMember &m, const QString &folder)
{
    std::unique_ptr<PageDocument> doc = runSliced(m, folder);
    check(doc->page(0).ok(), "first page");
    return doc->recordCount();
}

// Reading the member's rows once through its key by hand: one prepared query, every column of
// every row read.
std::int64_t readByHand(const QString &folder, const char *where, const char *order)
{
    sqlite3 *db = nullptr;
    check(sqlite3_open_v2(qPrintable(BrewsTable(folder).store().filePath()), &db, SQLITE_OPEN_READONLY, nullptr)
            == SQLITE_OK,
        "cannot open the store by hand");
    QStringList columns;
    for (const FieldDef &f : BrewsTable::definition().fields)
        columns << f.name;
    const QByteArray sql
        = QStringLiteral("SELECT %1 FROM BREWSV3 WHERE %2 ORDER BY %3").arg(columns.join(", "), where, order).toUtf8();
    sqlite3_stmt *s = nullptr;
    check(sqlite3_prepare_v2(db, sql.constData(), -1, &s, nullptr) == SQLITE_OK, "prepare");
    std::int64_t rows = 0;
    const int n = sqlite3_column_count(s);
    while (sqlite3_step(s) == SQLITE_ROW) {
        for (int c = 0; c < n; ++c) {
            switch (sqlite3_column_type(s, c)) {
            case SQLITE_INTEGER:
                (void)sqlite3_column_int64(s, c);
                break;
            case SQLITE_FLOAT:
                (void)sqlite3_column_double(s, c);
                break;
            default:
                (void)QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(s, c)));
            }
        }
        ++rows;
    }
    sqlite3_finalize(s);
    sqlite3_close(db);
    return rows;
}

// The pages of a document as plain items, for the bare painter.
struct BareItem {
    QRectF mm;
    QFont font;
    QString text;
    bool rule = false;
    Qt::Alignment align;
};

std::vector<std::vector<BareItem>> bareItems(const PageDocument &doc)
{
    std::vector<std::vector<BareItem>> pages;
    for (int p = 0; p < doc.pageCount(); ++p) {
        std::vector<BareItem> items;
        const Expected<ReportPage> page = doc.page(p);
        check(page.ok(), "page");
        for (const PageItem &i : page->items)
            items.push_back({ i.mm, reportfont::font(i.font), i.text, i.kind == ReportItem::Kind::Rule, i.align });
        pages.push_back(std::move(items));
    }
    return pages;
}

void drawBare(const std::vector<std::vector<BareItem>> &pages, const QString &path)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    writer.setResolution(1200);
    QPainter painter(&writer);
    const double px = 1200 / 25.4;
    bool first = true;
    for (const auto &page : pages) {
        if (!first)
            writer.newPage();
        first = false;
        for (const BareItem &i : page) {
            const QRectF r(i.mm.x() * px, i.mm.y() * px, i.mm.width() * px, i.mm.height() * px);
            if (i.rule) {
                painter.drawLine(r.topLeft(), r.bottomRight());
            } else {
                painter.setFont(i.font);
                painter.drawText(r, int(i.align | Qt::AlignTop) | Qt::TextSingleLine | Qt::TextDontClip, i.text);
            }
        }
    }
}

long peakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return 0;
}

// In a process of its own: the report to its preview, then every page laid out in turn as
// paging through the preview does; prints the peak resident memory in KiB.
int peakChild(const QString &folder, const char *procedure)
{
    std::unique_ptr<PageDocument> doc = runSliced(member(procedure), folder);
    for (int p = 0; p < doc->pageCount(); ++p)
        check(doc->page(p).ok(), "page");
    std::printf("%ld\n", peakKiB());
    return 0;
}

long peakOf(const QString &folder, const char *procedure, const char *self)
{
    QProcess p;
    p.start(QString::fromLocal8Bit(self), { QStringLiteral("--peak"), folder, QString::fromLatin1(procedure) });
    check(p.waitForFinished(-1) && p.exitCode() == 0, "the memory run failed");
    return p.readAllStandardOutput().trimmed().toLong();
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--peak")
        return peakChild(QString::fromLocal8Bit(argv[2]), argv[3]);

    // An argument runs only the figures whose names start with it.
    const QByteArray only = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    auto wanted = [&only](const char *name) { return only.isEmpty() || QByteArray(name).startsWith(only); };

    QTemporaryDir small, large, out;
    check(small.isValid() && large.isValid() && out.isValid(), "no temporary folder");
    generate(small.path(), 10000);
    if (wanted("report_preview") || wanted("report_peak"))
        generate(large.path(), 1000000);

    const BrewListMember &byBatch = member("Rpt_BrewsByBatchNo");
    const BrewListMember &byRecord = member("Rpt_BrewsByRecordNo");

    // The PDF of 10,000 brews, 477 pages.
    const QString ours = out.filePath(QStringLiteral("ours.pdf"));
    const QString bare = out.filePath(QStringLiteral("bare.pdf"));
    std::unique_ptr<PageDocument> reference = runSliced(byBatch, small.path());
    check(reference->recordCount() == 10000, "10,000 brews");
    const auto items = bareItems(*reference);
    if (wanted("report_pdf"))
        benchtiming::report("report_pdf_batch_10k",
            medians(
                5,
                [&] {
                    ReportRun run(
                        brewlist::description(byBatch, options()), brewlist::source(byBatch, small.path(), options()));
                    check(TimeSlicedRun::runToEnd([&run] { return run.step(); }).ok(), "run");
                    check(pagerender::writePdf(*run.document(), ours).ok(), "pdf");
                },
                [&] { drawBare(items, bare); }));

    // To the preview at 1,000,000 brews: the batch order (the 32,000 brews with a batch number)
    // and the record order (every brew).
    if (wanted("report_preview"))
        benchtiming::report("report_preview_batch_1m",
            medians(
                5, [&] { check(toPreview(byBatch, large.path()) == 32000, "32,000 brews"); },
                [&] { check(readByHand(large.path(), "BATCHNUMBER <> 0", "BATCHNUMBER DESC") == 32000, "by hand"); }));
    if (wanted("report_preview"))
        benchtiming::report("report_preview_record_1m",
            medians(
                3, [&] { check(toPreview(byRecord, large.path()) == 1000000, "1,000,000 brews"); },
                [&] { check(readByHand(large.path(), "RECORDNUMBER <> 0", "RECORDNUMBER") == 1000000, "by hand"); }));

    // Peak memory, each in a fresh process: 1,000,000 brews against 10,000.
    for (const char *procedure : { "Rpt_BrewsByBatchNo", "Rpt_BrewsByRecordNo" }) {
        if (!wanted("report_peak"))
            break;
        const long big = peakOf(large.path(), procedure, argv[0]);
        const long few = peakOf(small.path(), procedure, argv[0]);
        std::printf("bench report_peak_kib_%s_1m_vs_10k ours=%ld baseline=%ld ratio=%.3f\n",
            procedure == QByteArray("Rpt_BrewsByBatchNo") ? "batch" : "record", big, few, double(big) / few);
        std::fflush(stdout);
    }
    return 0;
}
