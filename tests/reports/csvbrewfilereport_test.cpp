// The field identifier of the brew export: every label beside the brew's value in the
// picture the page gives it, on one page.
#include "reports/csvbrewfilereport.h"

#include "platform/date.h"
#include "reports/pagedocument.h"

#include <gtest/gtest.h>

namespace
{

TEST(CsvBrewFileReport, LabelsEachValueOfTheBrew)
{
    BrewRecord b;
    b.RECORDNUMBER = 5;
    b.BATCHNUMBER = 12;
    b.BREWKIT = QStringLiteral("Best Bitter");
    b.BREWSUGARKG = *Decimal::parse(QStringLiteral("1.25"));
    b.STOCKONHAND = QStringLiteral("1");
    b.DATEDOWN = date::fromYmd(2024, 3, 7);
    b.BREWPERIOD = 7;
    b.APPEARANCE = 6.9;
    b.BREWCOST = *Decimal::parse(QStringLiteral("12.5"));
    const QStringList values = csvbrewfile::values(b);
    ASSERT_EQ(values.size(), csvbrewfile::ValueCount);
    EXPECT_EQ(values[csvbrewfile::RecordNumber], QStringLiteral("5"));
    EXPECT_EQ(values[csvbrewfile::StockYesNo], QStringLiteral("Yes"));
    EXPECT_EQ(values[csvbrewfile::SugarKg], QStringLiteral("1.250"));
    EXPECT_EQ(values[csvbrewfile::DateDown], date::shortText(b.DATEDOWN));
    EXPECT_EQ(values[csvbrewfile::Appearance], QStringLiteral("06"));
    EXPECT_EQ(values[csvbrewfile::Cost], QStringLiteral("12.50"));
    EXPECT_EQ(values[csvbrewfile::DateBottled], QString());

    const ReportPage page = PageDocument::layOut(csvbrewfile::description(b.BREWKIT), 1, { values });
    for (const char *text : { "Record number:", "Stock on hand:", "Fermenation temp:", "Alcohol %", "Cost:", "Tasting",
             "Bottle Conditioning", "Best Bitter", "Yes", "12.50", "Maltwright 3 - Version 1.43",
             "Best maturity period for this brew:", "days" })
        EXPECT_TRUE(page.hasText(QString::fromLatin1(text))) << text;
    // The page header names the kit.
    const PageItem *kit = page.textAt(12.7, 14.0);
    ASSERT_NE(kit, nullptr);
    EXPECT_EQ(kit->text, QStringLiteral("Best Bitter"));
    EXPECT_TRUE(kit->font.bold);
}

} // namespace
