// The export file's lines as a list model: a long file shown as it stands, and the find.
#include "screens/exchange/csvfilelinesmodel.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CsvFileLinesModelTest, AHundredThousandLinesAsTheyStandAndAFindThatWraps)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.csv"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray all;
        for (int i = 1; i <= 100000; ++i)
            all += QByteArray::number(i) + ",\"Kit " + QByteArray::number(i) + "\"\r\n";
        f.write(all);
    }
    CsvFileLinesModel lines;
    ASSERT_TRUE(lines.load(path));
    EXPECT_EQ(lines.rowCount(), 100000);
    EXPECT_EQ(lines.line(0), QStringLiteral("1,\"Kit 1\""));
    EXPECT_EQ(lines.data(lines.index(99999)).toString(), QStringLiteral("100000,\"Kit 100000\""));
    EXPECT_EQ(lines.find(QStringLiteral("kit 5\""), 0), 4);
    EXPECT_EQ(lines.find(QStringLiteral("kit 5\""), 10), 4); // round to the top
    EXPECT_EQ(lines.find(QStringLiteral("\"Kit 99999\""), 0), 99998);
    EXPECT_EQ(lines.find(QStringLiteral("nowhere"), 0), -1);
    EXPECT_FALSE(lines.load(dir.filePath(QStringLiteral("missing.csv"))));
    EXPECT_EQ(lines.rowCount(), 0);
}
