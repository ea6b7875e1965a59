// The catalogue reports through 'maltwright report', read back from the PDF.

#include "platform/prompter.h"
#include "records/shoppingtable.h"
#include "records/weblinkstable.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace
{

struct ReportOutcome {
    int code = -1;
    QString out, err;
};

ReportOutcome report(const QStringList &arguments)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(MW_PROGRAM), QStringList { QStringLiteral("report") } + arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return { p.exitCode(), QString::fromLocal8Bit(p.readAllStandardOutput()),
        QString::fromLocal8Bit(p.readAllStandardError()) };
}

QString pdfText(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    EXPECT_TRUE(p.waitForFinished(30000));
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

TEST(CatalogueReportCommand, ShoppingListWithItsTotalsAndAnEmptyListRefused)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("shopping.pdf"));
    {
        ShoppingTable table(dir.path());
        ASSERT_TRUE(table.open().ok());
    }
    const ReportOutcome empty = report({ "Rpt_ShoppingList", "--pdf", pdf, "--data-dir", dir.path() });
    EXPECT_EQ(empty.code, 1);
    EXPECT_TRUE(empty.err.endsWith(QLatin1String("maltwright: There are no items to print.\n")))
        << empty.err.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));

    {
        ShoppingTable table(dir.path());
        ASSERT_TRUE(table.open().ok());
        ScriptedPrompter prompter;
        for (const char *amount : { "2.50", "0", "4.00" }) {
            ShoppingRecord item { 0, QStringLiteral("Item costing %1").arg(QLatin1String(amount)), {}, Decimal(1),
                *Decimal::parse(QString::fromLatin1(amount)), *Decimal::parse(QString::fromLatin1(amount)) };
            ASSERT_TRUE(table.insert(item, prompter).ok());
        }
    }
    const ReportOutcome printed = report({ "Rpt_ShoppingList", "--pdf", pdf, "--data-dir", dir.path() });
    ASSERT_EQ(printed.code, 0) << printed.err.toStdString();
    EXPECT_EQ(printed.out, QStringLiteral("Rpt_ShoppingList: 3 items on 1 page written to %1\n").arg(pdf));
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QLatin1String("Shopping List")));
    EXPECT_TRUE(text.contains(QLatin1String("Item costing 0")));
    EXPECT_TRUE(
        text.contains(QRegularExpression(QStringLiteral("1\\s+Items are not priced\\.\\s+Grand Total:\\s+6\\.50"))));

    // A list whose store was never made is not made by a report.
    const ReportOutcome links = report({ "Rpt_WebLinks", "--pdf", pdf, "--data-dir", dir.path() });
    EXPECT_EQ(links.code, 1);
    EXPECT_TRUE(links.err.contains(QLatin1String("holds no links (W_LINK.sqlite is missing)")));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("W_LINK.sqlite"))));
}
