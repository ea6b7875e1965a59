// Writes to a store or a settings file whose disk is full: each is refused with its reason,
// and what was written before is all still there.
#include "storefixture.h"

#include "platform/inifile.h"

#include <QDir>

#include <csignal>
#include <sys/resource.h>

using namespace storetest;

namespace
{

// A file-size limit stands in for a full disk: past it, writes fail with EFBIG
// (the signal that would otherwise end the process is ignored meanwhile).
class DiskLimit
{
public:
    explicit DiskLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~DiskLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }

private:
    rlimit m_old {};
    void (*m_oldHandler)(int) = nullptr;
};

TEST(StoreFull, AWriteTheDiskCannotTakeIsRefusedAndLosesNothing)
{
    QTemporaryDir dir;
    std::vector<std::int64_t> written;
    std::int64_t failedAt = -1;
    {
        RecordStore store(itemsDef(), dir.path());
        ASSERT_TRUE(store.open());
        ScriptedPrompter prompter;
        Row first = item(0, 0, QStringLiteral("first"), 1);
        ASSERT_TRUE(store.insert(first, prompter));
        written.push_back(num(first));
        DiskLimit limit(96 * 1024);
        for (int i = 0; i < 4000 && failedAt < 0; ++i) {
            Row r = item(0, 0, QStringLiteral("n%1").arg(i), i);
            r.values[NOTE] = QString(50, QLatin1Char('x'));
            const StoreResult result = store.insert(r, prompter);
            if (result)
                written.push_back(num(r));
            else
                failedAt = i;
        }
        ASSERT_GE(failedAt, 0) << "the limit was never reached";
        ASSERT_FALSE(prompter.shown().empty());
        EXPECT_EQ(prompter.shown().back().caption, QStringLiteral("Record was not added"));
        EXPECT_TRUE(prompter.shown().back().text.startsWith(QStringLiteral("An error (")));
        // A change that does not fit either is refused; the row keeps what it had.
        Row changed = first;
        changed.values[NOTE] = QString(50, QLatin1Char('y'));
        EXPECT_FALSE(store.update(changed, prompter));
        // Still usable for reading while the disk is full.
        EXPECT_TRUE(store.countAll().ok());
    }
    RecordStore again(itemsDef(), dir.path());
    ASSERT_TRUE(again.open());
    EXPECT_EQ(*again.countAll(), std::int64_t(written.size()));
    Expected<std::optional<Row>> first = again.fetch(KeyNumber, { written.front() });
    ASSERT_TRUE(first.ok() && first->has_value());
    EXPECT_EQ(std::get<QString>((**first).values[NOTE]), QString());
    ScriptedPrompter prompter;
    Row after = item(0, 0, QStringLiteral("after"), 1);
    EXPECT_TRUE(again.insert(after, prompter));
}

TEST(StoreFull, ASettingTheDiskCannotTakeIsRefusedAndTheFileKeepsItsValues)
{
    QTemporaryDir dir;
    const IniFile ini(dir.filePath(QStringLiteral("Maltwright.ini")));
    ASSERT_TRUE(ini.write(QStringLiteral("Defaults"), QStringLiteral("Units"), QStringLiteral("1")));
    const QByteArray before = fileBytes(ini.path());
    {
        DiskLimit limit(512);
        const Result r = ini.write(QStringLiteral("Defaults"), QStringLiteral("Note"), QString(2000, QLatin1Char('n')));
        ASSERT_FALSE(r.ok());
        EXPECT_TRUE(r.message().startsWith(QStringLiteral("The file %1 could not be written: ").arg(ini.path())))
            << r.message().toStdString();
    }
    EXPECT_EQ(fileBytes(ini.path()), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList { QStringLiteral("Maltwright.ini") });
}

} // namespace
