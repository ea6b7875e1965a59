// The brew export file: line numbers, the single-brew export, the format of every column,
// reading back by outside readers, and failures reported as failures.
#include "exchangefixture.h"

#include "exchange/csvexport.h"
#include "exchange/csvexportrecord.h"
#include "exchange/exchangecommands.h"
#include "platform/date.h"

#include <QDir>
#include <QStandardPaths>

using namespace exchangetest;

namespace
{

struct Exported {
    Result started;
    Result finished;
    QByteArray text;
    QString csvFileName;
};

Exported exportFrom(const QString &folder, std::int16_t selector)
{
    CsvExport run(folder, selector);
    Exported e;
    e.started = run.start();
    run.runToEnd();
    e.finished = run.finish();
    e.csvFileName = run.csvFileName();
    e.text = readAll(CsvExport::filePath(folder));
    return e;
}

QList<QByteArray> lineNumbers(const QByteArray &text)
{
    QList<QByteArray> out;
    for (const QByteArray &line : text.split('\n'))
        if (!line.isEmpty())
            out << line.left(line.indexOf(','));
    return out;
}

class CsvExportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BrewRecord fifth = brew(5, "Best \"Bitter\"", 7);
        addBrews(m_dir.path(), { brew(1, "Stout"), brew(2, "Lager"), fifth });
    }
    QTemporaryDir m_dir;
};

TEST_F(CsvExportTest, LinesCountEveryBrewReadAndASingleBrewKeepsItsNumber)
{
    const Exported all = exportFrom(m_dir.path(), 0);
    ASSERT_TRUE(all.started.ok() && all.finished.ok()) << all.finished.message().toStdString();
    EXPECT_EQ(lineNumbers(all.text), (QList<QByteArray> { "1", "2", "3" }));
    EXPECT_TRUE(all.text.endsWith("\r\n"));
    EXPECT_EQ(all.text.count("\r\n"), 3);
    EXPECT_TRUE(all.csvFileName.isEmpty());

    const Exported one = exportFrom(m_dir.path(), 5);
    EXPECT_EQ(lineNumbers(one.text), (QList<QByteArray> { "3" }));
    EXPECT_EQ(one.csvFileName, QStringLiteral("Best \"Bitter\""));
    EXPECT_TRUE(one.text.startsWith("3,7,\"Best \"\"Bitter\"\"\","));

    // A second run counts from 1 again; the file is emptied first.
    const Exported again = exportFrom(m_dir.path(), 2);
    EXPECT_EQ(lineNumbers(again.text), (QList<QByteArray> { "2" }));

    const Exported none = exportFrom(m_dir.path(), 4);
    EXPECT_TRUE(none.finished.ok());
    EXPECT_TRUE(none.text.isEmpty());
    EXPECT_TRUE(none.csvFileName.isEmpty());
}

TEST(CsvExportRecordTest, EveryColumnInItsFormat)
{
    BrewRecord b;
    b.RECORDNUMBER = 9;
    b.BATCHNUMBER = 0;
    b.BREWKIT = QStringLiteral("Pale, \"extra\" ale   ");
    b.BREWBATCHNAME = QString();
    b.BREWSUGARTYPE = QStringLiteral("Dextrose");
    b.BREWSUGARKG = dec("1");
    b.WATERVOLUMELTR = dec("23.5");
    b.YEAST = QStringLiteral("Ale");
    b.DATEDOWN = date::fromYmd(2024, 3, 7);
    b.ORIGINALGRAVITY = 1045;
    b.SPAREFIELD1 = QStringLiteral("20C");
    b.STOCKONHAND = QStringLiteral("0");
    b.ADDITIVE1 = QStringLiteral("Hops");
    b.ADDITIVE5 = QStringLiteral("Finings");
    b.PRIMERSUGARTYPE = QStringLiteral("Sugar");
    b.PRIMERSUGARKG = dec("0.5");
    b.BREWTEMP = -3;
    b.DATEBOTTLED = 0;
    b.MINUSE = date::fromYmd(2024, 4, 1);
    b.MAXUSE = 0;
    b.BREWPERIOD = 7;
    b.BREWPERIOD2 = 255;
    b.FINALGRAVITY = 1008;
    b.SPAREFIELD2 = QString();
    b.ESTIMATEDALC = dec("-4.9");
    b.APPEARANCE = 6.9;
    b.AROMA = -2.5;
    b.TASTE = 30;
    b.OVERALL = 42;
    b.SPAREFIELD4 = QStringLiteral("6 months");
    b.BREWCOST = dec("12.5");
    b.NOTES = QStringLiteral("never exported");

    const QByteArray expected = "11,0,\"Pale, \"\"extra\"\" ale\",\"\",\"Dextrose\",1.00,23.50,\"Ale\",\""
        + date::shortText(b.DATEDOWN).toUtf8() + "\",1045,\"20C\",\"No\",\"Hops\",\"\",\"\",\"\",\"Finings\","
        + "\"Sugar\",0.50,-3,\"\",\"" + date::shortText(b.MINUSE).toUtf8() + "\",\"\",7,255,1008,\"\",-4.90,"
        + "6,-2,30,42,\"6 months\",12.50\r\n";
    EXPECT_EQ(CsvExportRecord::fromBrew(b, 11).line(), expected);
}

TEST(CsvExportRecordTest, StockIsYesOnlyForTheValueOne)
{
    const std::vector<std::pair<const char *, const char *>> cases { { "1", "Yes" }, { "01", "Yes" }, { " 1", "Yes" },
        { "0", "No" }, { "", "No" }, { "2", "No" }, { "yes", "No" } };
    for (const auto &[stock, expected] : cases)
        EXPECT_EQ(stockYesNo(QString::fromLatin1(stock)), QString::fromLatin1(expected)) << stock;
}

// An outside reader sees 34 columns on every line, with commas, quotes and line breaks
// inside texts intact.
TEST(CsvExportReadBack, PythonCsvReadsEveryColumn)
{
    const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
    if (python.isEmpty())
        GTEST_SKIP() << "python3 is not installed";
    QTemporaryDir dir;
    BrewRecord tricky = brew(2, "Kit, with \"quotes\"\nand a second line", 3);
    tricky.YEAST = QStringLiteral("Yeast; \u00e9t\u00e9");
    tricky.BREWCOST = dec("12.5");
    addBrews(dir.path(), { brew(1), tricky, brew(3, "") });
    ASSERT_TRUE(exportFrom(dir.path(), 0).finished.ok());

    QProcess p;
    p.start(python,
        { QStringLiteral("-c"),
            QStringLiteral("import csv,sys\n"
                           "rows=list(csv.reader(open(sys.argv[1],newline='',encoding='utf-8')))\n"
                           "print(len(rows), set(len(r) for r in rows))\n"
                           "print(repr(rows[1][2]), repr(rows[1][7]), rows[1][33], repr(rows[2][2]))\n"),
            CsvExport::filePath(dir.path()) });
    ASSERT_TRUE(p.waitForFinished(30000));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    EXPECT_EQ(
        out, QStringLiteral("3 {34}\n'Kit, with \"quotes\"\\nand a second line' 'Yeast; \u00e9t\u00e9' 12.50 ''\n"))
        << p.readAllStandardError().toStdString();
}

TEST_F(CsvExportTest, CancelKeepsTheLinesWrittenSoFar)
{
    addManyBrews(m_dir.path(), 10, 1200);
    CsvExport run(m_dir.path(), 0);
    ASSERT_TRUE(run.start());
    // A deadline already passed: one page of rows per slice.
    EXPECT_TRUE(run.runSlice(SlicedJob::Clock::now()));
    const std::int32_t read = run.linesRead();
    EXPECT_GT(read, 0);
    EXPECT_LT(read, 1203);
    EXPECT_EQ(run.percent(), read * 100 / 1203);
    run.cancel();
    EXPECT_FALSE(run.runSlice(SlicedJob::Clock::now()));
    EXPECT_TRUE(run.finish());
    EXPECT_EQ(readAll(CsvExport::filePath(m_dir.path())).count("\r\n"), read);
}

TEST_F(CsvExportTest, FailuresAreReportedNeverTakenForAnExport)
{
    // The export file cannot be made: a folder stands in its place.
    {
        QTemporaryDir dir;
        ASSERT_TRUE(QDir(dir.path()).mkdir(CsvExport::fileName()));
        CsvExport run(dir.path(), 0);
        const Result r = run.start();
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.message().startsWith(QStringLiteral("File "))) << r.message().toStdString();
    }
    // The disk fills half way: the run ends and says why.
    {
        addManyBrews(m_dir.path(), 10, 2000, "A kit with a name long enough to fill it");
        CsvExport run(m_dir.path(), 0);
        ASSERT_TRUE(run.start());
        Result r;
        {
            FileSizeLimit limit(20000);
            run.runToEnd();
            r = run.finish();
        }
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.message().contains(QStringLiteral("could not be written"))) << r.message().toStdString();
    }
}

TEST_F(CsvExportTest, CommandWritesTheSameFileAndFailsLoudly)
{
    QString outText, errText;
    QTextStream out(&outText), err(&errText);
    const QString target = m_dir.filePath(QStringLiteral("one.csv"));
    EXPECT_EQ(runExportCsvCommand(m_dir.path(), 5, target, out, err), 0);
    EXPECT_EQ(readAll(target), exportFrom(m_dir.path(), 5).text);
    EXPECT_EQ(runExportCsvCommand(m_dir.path(), 0, QString(), out, err), 0);
    EXPECT_EQ(lineNumbers(readAll(CsvExport::filePath(m_dir.path()))), (QList<QByteArray> { "1", "2", "3" }));
    EXPECT_NE(runExportCsvCommand(m_dir.path(), 4, target, out, err), 0);
    EXPECT_NE(runExportCsvCommand(m_dir.filePath(QStringLiteral("missing")), 0, QString(), out, err), 0);
    EXPECT_NE(runExportCsvCommand(m_dir.path(), 0, m_dir.filePath(QStringLiteral("no/such/folder.csv")), out, err), 0);
    err.flush();
    EXPECT_TRUE(errText.contains(QStringLiteral("No brew has the record number 4"))) << errText.toStdString();
}

} // namespace
