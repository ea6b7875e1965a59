#include "platform/inifile.h"

#include "support/qtprinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace
{

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void put(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

class IniFileTest : public ::testing::Test
{
protected:
    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("Browse.ini"));
    IniFile m_ini { m_path };
};

TEST_F(IniFileTest, AwkwardValuesSurviveARoundTrip)
{
    const QString values[] = {
        QStringLiteral("80L(2)|M~Name of Web Site~@s45@#1#155L(2)|M~Web Site Address~@S80@#2#"),
        QStringLiteral("  leading and trailing  "),
        QStringLiteral("a=b=c ?:@,|"),
        QStringLiteral("\"quoted\""),
        QStringLiteral("\""),
        QStringLiteral("; not a comment"),
        QStringLiteral("[not a section]"),
        QString::fromUtf8("Gr\xC3\xBC\xC3\x9F"
                          "e"),
        QString(),
    };
    for (const QString &value : values) {
        ASSERT_TRUE(m_ini.write(QStringLiteral("BrowseBrews"), QStringLiteral("SRCFOriginal?Browse:1"), value));
        EXPECT_EQ(IniFile(m_path).read(QStringLiteral("BrowseBrews"), QStringLiteral("SRCFOriginal?Browse:1")), value);
    }
    EXPECT_TRUE(m_ini.contains(QStringLiteral("BrowseBrews"), QStringLiteral("SRCFOriginal?Browse:1")));
}

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsEmptyAndNamesIgnoreCase)
{
    EXPECT_EQ(m_ini.read(QStringLiteral("Defaults"), QStringLiteral("TipFlag")), "");
    EXPECT_FALSE(m_ini.contains(QStringLiteral("Defaults"), QStringLiteral("TipFlag")));
    // Removing what is not there creates nothing.
    ASSERT_TRUE(m_ini.remove(QStringLiteral("Defaults"), QStringLiteral("TipFlag")));
    EXPECT_FALSE(QFile::exists(m_path));

    ASSERT_TRUE(m_ini.write(QStringLiteral("Defaults"), QStringLiteral("TipFlag"), QStringLiteral("1")));
    EXPECT_EQ(m_ini.read(QStringLiteral("DEFAULTS"), QStringLiteral("tipflag")), "1");
    EXPECT_EQ(m_ini.read(QStringLiteral("Defaults"), QStringLiteral("Units")), "");
    EXPECT_EQ(m_ini.read(QStringLiteral("Other"), QStringLiteral("TipFlag")), "");
    EXPECT_EQ(contents(m_path), "[Defaults]\nTipFlag=1\n");
}

TEST_F(IniFileTest, ChangesKeepEveryOtherLineAsItWas)
{
    const QByteArray before = "\xEF\xBB\xBF; window places\r\n"
                              "[Main]\r\n"
                              "Maximize=No\r\n"
                              "XPos = 10\r\n"
                              "\r\n"
                              "; the brew browse\r\n"
                              "[browsebrews]\r\n"
                              "Maximize=Yes\r\n"
                              "junk line without equals\r\n"
                              "\xFF\xFE=binary\r\n"
                              "[Win_About]\r\n"
                              "Maximize=No";
    put(m_path, before);
    ASSERT_TRUE(m_ini.write(QStringLiteral("Main"), QStringLiteral("xpos"), QStringLiteral("25")));
    ASSERT_TRUE(m_ini.write(QStringLiteral("Main"), QStringLiteral("YPos"), QStringLiteral("40")));
    ASSERT_TRUE(m_ini.remove(QStringLiteral("BrowseBrews"), QStringLiteral("Maximize")));
    ASSERT_TRUE(m_ini.write(QStringLiteral("Win_About"), QStringLiteral("Minimize"), QStringLiteral("No")));
    ASSERT_TRUE(m_ini.write(QStringLiteral("Win_AlcCalculator"), QStringLiteral("Maximize"), QStringLiteral("No")));
    EXPECT_EQ(contents(m_path),
        QByteArray("\xEF\xBB\xBF; window places\r\n"
                   "[Main]\r\n"
                   "Maximize=No\r\n"
                   "xpos=25\r\n"
                   "YPos=40\r\n"
                   "\r\n"
                   "; the brew browse\r\n"
                   "[browsebrews]\r\n"
                   "junk line without equals\r\n"
                   "\xFF\xFE=binary\r\n"
                   "[Win_About]\r\n"
                   "Maximize=No\r\n"
                   "Minimize=No\r\n"
                   "\r\n"
                   "[Win_AlcCalculator]\r\n"
                   "Maximize=No\r\n"));
}

TEST_F(IniFileTest, SeveralKeysInOneChangeKeepTheirOrder)
{
    ASSERT_TRUE(m_ini.update(QStringLiteral("Defaults"),
        { { QStringLiteral("OpenBrowse"), QStringLiteral("1") }, { QStringLiteral("OpenAtStock"), QStringLiteral("0") },
            { QStringLiteral("TipFlag"), QStringLiteral("1") }, { QStringLiteral("OpenBrowse"), std::nullopt } }));
    EXPECT_EQ(contents(m_path), "[Defaults]\nOpenAtStock=0\nTipFlag=1\n");
}

TEST_F(IniFileTest, DamagedFilesReadAsEmptyAndAreNeverCut)
{
    static const char kGarbage[] = "\x00\x01[Defaults]\x00\nTipFlag=1\x00\n\x89PNG";
    struct Case {
        const char *name;
        QByteArray data;
    };
    const Case cases[] = {
        { "binary garbage", QByteArray::fromRawData(kGarbage, sizeof kGarbage - 1) },
        { "not UTF-8", QByteArray("[Defaults]\nTipFlag=1\xC3\x28\n") },
        { "no section", QByteArray("TipFlag=1\n") },
    };
    for (const Case &c : cases) {
        put(m_path, c.data);
        EXPECT_EQ(m_ini.read(QStringLiteral("Defaults"), QStringLiteral("TipFlag")), "") << c.name;
        ASSERT_TRUE(m_ini.write(QStringLiteral("Win_About"), QStringLiteral("Maximize"), QStringLiteral("No")));
        EXPECT_TRUE(contents(m_path).startsWith(c.data)) << c.name;
        EXPECT_EQ(m_ini.read(QStringLiteral("Win_About"), QStringLiteral("Maximize")), "No") << c.name;
    }
}

TEST_F(IniFileTest, RefusedChangesSaySoAndLeaveTheFileAlone)
{
    put(m_path, "[Defaults]\nTipFlag=1\n");
    struct Case {
        QString section, key, value, message;
    };
    const Case cases[] = {
        { "Defaults", "TipFlag", "one\ntwo",
            "The value of TipFlag cannot be stored: it holds a line break or a control character." },
        { "Defaults", "Tip=Flag", "1", "\"Tip=Flag\" cannot be the name of a setting." },
        { "Defaults", " TipFlag", "1", "\" TipFlag\" cannot be the name of a setting." },
        { "Defaults", "", "1", "\"\" cannot be the name of a setting." },
        { "De]faults", "TipFlag", "1", "\"De]faults\" cannot be the name of a section." },
    };
    for (const Case &c : cases) {
        const Result r = m_ini.write(c.section, c.key, c.value);
        EXPECT_FALSE(r.ok()) << c.key.toStdString();
        EXPECT_EQ(r.message(), c.message);
    }
    EXPECT_EQ(contents(m_path), "[Defaults]\nTipFlag=1\n");
}

TEST_F(IniFileTest, AFolderInPlaceOfTheFile)
{
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Browse.ini")));
    EXPECT_EQ(m_ini.read(QStringLiteral("Main"), QStringLiteral("Maximize")), "");
    const Result r = m_ini.write(QStringLiteral("Main"), QStringLiteral("Maximize"), QStringLiteral("No"));
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(r.message(),
        QStringLiteral("The file %1 was left unchanged because it could not be read: it is a folder").arg(m_path));
}

// A write that fails half way (disk full, file size limit) must leave the old
// file whole and no stray temporary file beside it.
TEST_F(IniFileTest, AFailedWriteLeavesTheOldFileWhole)
{
    const QByteArray before = "[BrowseBrews]\nSRCF?Browse:1=old layout\n";
    put(m_path, before);

    rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto *previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const Result r = m_ini.write(QStringLiteral("BrowseBrews"), QStringLiteral("SRCF?Browse:1"), QString(4096, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_FALSE(r.ok());
    EXPECT_TRUE(r.message().startsWith(QStringLiteral("The file %1 could not be written: ").arg(m_path)))
        << r.message().toStdString();
    EXPECT_EQ(contents(m_path), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("Browse.ini") });

    if (geteuid() != 0) { // permissions do not bind the superuser
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(m_ini.write(QStringLiteral("BrowseBrews"), QStringLiteral("SRCF?Browse:1"), QStringLiteral("x")));
        QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(contents(m_path), before);
    }
}

TEST_F(IniFileTest, KeepsTheFilesPermissions)
{
    put(m_path, "[Main]\n");
    QFile::setPermissions(m_path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
    ASSERT_TRUE(m_ini.write(QStringLiteral("Main"), QStringLiteral("Maximize"), QStringLiteral("No")));
    const auto unixBits = QFileDevice::Permissions::fromInt(0x7077);
    EXPECT_EQ(QFile::permissions(m_path) & unixBits,
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup);
}

} // namespace
