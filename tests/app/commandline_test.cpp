// The program's command line, run as a program: help and version without a display,
// refusals of what it does not know, and a report printed to PDF and read back.

#include "platform/prompter.h"
#include "records/brewstable.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

struct Outcome {
    int code = -1;
    QString out, err;
};

// The program without a display: no DISPLAY, no platform chosen.
Outcome runProgram(const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MW_PROGRAM), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    Outcome o;
    o.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    o.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    o.err = QString::fromLocal8Bit(p.readAllStandardError());
    return o;
}

QString tool(const char *name, const QStringList &arguments)
{
    QProcess p;
    p.start(QString::fromLatin1(name), arguments);
    EXPECT_TRUE(p.waitForFinished(30000)) << name;
    return QString::fromUtf8(p.readAllStandardOutput());
}

void makeLog(const QString &folder, int brews)
{
    BrewsTable table(folder);
    ASSERT_TRUE(table.open().ok());
    ScriptedPrompter prompter;
    for (int r = 1; r <= brews; ++r) {
        BrewRecord b;
        b.RECORDNUMBER = r;
        b.BATCHNUMBER = std::int16_t(r);
        b.BREWKIT = QStringLiteral("Kit number %1").arg(r);
        b.YEAST = QStringLiteral("Yeast %1").arg(r);
        b.ORIGINALGRAVITY = 1050;
        b.FINALGRAVITY = 1010;
        b.ESTIMATEDALC = *Decimal::parse(QStringLiteral("5.25"));
        b.STOCKONHAND = QStringLiteral("1");
        ASSERT_TRUE(table.insert(b, prompter).ok());
    }
    table.close();
}

} // namespace

TEST(CommandLine, HelpAndVersionNeedNoDisplay)
{
    for (const QStringList &args : { QStringList { "--help" }, QStringList { "check", "--help" },
             QStringList { "report", "Rpt_BrewsByBatchNo", "--help" }, QStringList { "-h" } }) {
        const Outcome o = runProgram(args);
        EXPECT_EQ(o.code, 0) << args.join(' ').toStdString() << o.err.toStdString();
        EXPECT_TRUE(o.out.startsWith(QLatin1String("usage: maltwright")));
        EXPECT_TRUE(o.out.contains(QLatin1String("maltwright report NAME [--from N --to M] --pdf FILE")));
        EXPECT_TRUE(o.out.contains(QLatin1String("Rpt_ByTasteScoreInstock")));
    }
    const Outcome v = runProgram({ "--version" });
    EXPECT_EQ(v.code, 0);
    EXPECT_EQ(v.out, QStringLiteral("Maltwright 3 - Version 1.43\n"));
}

TEST(CommandLine, WhatItDoesNotKnowIsRefusedWithTheUsage)
{
    struct Case {
        QStringList args;
        const char *message;
    };
    const Case cases[] = {
        { { "--bogus" }, "unknown option --bogus" },
        { { "frobnicate" }, "unknown command frobnicate" },
        { { "check", "--pdf", "x.pdf" }, "unknown option --pdf" },
        { { "report" }, "report needs the name of a report" },
        { { "report", "Rpt_BrewsByBatchNo" }, "report needs --pdf FILE" },
        { { "report", "Rpt_ByBatchNoSelRange", "--from", "x", "--pdf", "a.pdf" }, "--from needs a batch number" },
        { { "report", "Rpt_ByBatchNoSelRange", "--from", "3", "--pdf", "a.pdf" }, "--from and --to go together" },
    };
    for (const Case &c : cases) {
        const Outcome o = runProgram(c.args);
        EXPECT_EQ(o.code, 2) << c.message;
        EXPECT_TRUE(o.err.startsWith(QStringLiteral("maltwright: %1\n").arg(QLatin1String(c.message))))
            << o.err.toStdString();
        EXPECT_TRUE(o.err.contains(QLatin1String("usage: maltwright"))) << c.message;
    }
}

TEST(CommandLine, ReportPrintsToPdf)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    makeLog(dir.path(), 22);
    const QString pdf = dir.filePath(QStringLiteral("batch.pdf"));
    const Outcome o = runProgram({ "report", "Rpt_BrewsByBatchNo", "--pdf", pdf, "--data-dir", dir.path() });
    ASSERT_EQ(o.code, 0) << o.err.toStdString();
    EXPECT_EQ(o.out, QStringLiteral("Rpt_BrewsByBatchNo: 22 brews on 2 pages written to %1\n").arg(pdf));
    EXPECT_TRUE(tool("pdfinfo", { pdf }).contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n"))));
    const QString page1 = tool("pdftotext", { "-f", "1", "-l", "1", "-layout", pdf, "-" });
    const QString page2 = tool("pdftotext", { "-f", "2", "-l", "2", "-layout", pdf, "-" });
    for (const QString &text : { page1, page2 }) {
        EXPECT_TRUE(text.contains(QLatin1String("Maltwright - By Batch No.")));
        EXPECT_TRUE(text.contains(QLatin1String("Org./Final Gravity")));
        EXPECT_TRUE(text.contains(QLatin1String("Maltwright 3 - Version 1.43")));
    }
    EXPECT_TRUE(page1.contains(QLatin1String("Kit number 22")));
    EXPECT_TRUE(page1.contains(QLatin1String("Kit number 2\n")) || page1.contains(QLatin1String("Kit number 2 ")));
    EXPECT_TRUE(page1.contains(QLatin1String("0.040")));
    EXPECT_TRUE(page1.contains(QLatin1String("5.25% abw")));
    EXPECT_TRUE(page2.contains(QLatin1String("Kit number 1")));
    EXPECT_FALSE(page2.contains(QLatin1String("Kit number 10")));
    EXPECT_TRUE(page2.contains(QRegularExpression(QStringLiteral("Page\\s+2"))));

    // The range report with its range, and a range it refuses.
    const QString ranged = dir.filePath(QStringLiteral("range.pdf"));
    const Outcome r = runProgram(
        { "report", "Rpt_ByBatchNoSelRange", "--from", "3", "--to", "7", "--pdf", ranged, "--data-dir", dir.path() });
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = tool("pdftotext", { "-layout", ranged, "-" });
    EXPECT_TRUE(text.contains(QLatin1String("Maltwright - Selected Batch Range")));
    EXPECT_LT(text.indexOf(QLatin1String("Kit number 7")), text.indexOf(QLatin1String("Kit number 3")));
    EXPECT_FALSE(text.contains(QLatin1String("Kit number 8")));
}

TEST(CommandLine, ReportRefusesABadNameRangeOrFolder)
{
    QTemporaryDir dir;
    makeLog(dir.path(), 3);
    const QString pdf = dir.filePath(QStringLiteral("x.pdf"));
    struct Case {
        QStringList args;
        int code;
        const char *message;
    };
    const QString missing = dir.filePath(QStringLiteral("missing"));
    const QString empty = dir.filePath(QStringLiteral("empty"));
    QDir().mkpath(empty);
    const Case cases[] = {
        { { "report", "Rpt_Nothing", "--pdf", pdf, "--data-dir", dir.path() }, 2,
            "maltwright: there is no report named Rpt_Nothing" },
        { { "report", "Rpt_ByBatchNoSelRange", "--from", "5", "--to", "5", "--pdf", pdf, "--data-dir", dir.path() }, 2,
            "maltwright: From/To can not be the same value." },
        { { "report", "Rpt_ByBatchNoSelRange", "--pdf", pdf, "--data-dir", dir.path() }, 2,
            "maltwright: Field can not be zero." },
        { { "report", "Rpt_BrewsByCost", "--from", "1", "--to", "5", "--pdf", pdf, "--data-dir", dir.path() }, 2,
            "maltwright: Rpt_BrewsByCost prints every brew it selects" },
        { { "report", "Rpt_BrewsByCost", "--pdf", pdf, "--data-dir", missing }, 1, "maltwright: the data folder" },
        { { "report", "Rpt_BrewsByCost", "--pdf", pdf, "--data-dir", empty }, 1, "maltwright: the data folder" },
        { { "report", "Rpt_BrewsByCost", "--pdf", dir.filePath(QStringLiteral("no/x.pdf")), "--data-dir", dir.path() },
            1, "maltwright: " },
    };
    for (const Case &c : cases) {
        const Outcome o = runProgram(c.args);
        EXPECT_EQ(o.code, c.code) << c.message << o.err.toStdString();
        EXPECT_TRUE(o.err.contains(QLatin1String(c.message))) << o.err.toStdString();
        EXPECT_TRUE(o.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pdf));
    // Nothing was created where there was no log.
    EXPECT_TRUE(QDir(empty).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(missing));
}
