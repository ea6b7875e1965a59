#pragma once
// A brew log in a temporary folder and the run of a report over it, for the report tests.

#include "platform/prompter.h"
#include "records/brewstable.h"
#include "reports/brewlistreports.h"
#include "reports/reportrun.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace reporttest
{

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

class BrewLog
{
public:
    BrewLog()
        : m_brews(m_dir.path())
    {
        EXPECT_TRUE(m_brews.open().ok());
    }
    ~BrewLog() { m_brews.close(); }

    QString folder() const { return m_dir.path(); }

    // A brew with record number `record`, batch number `batch` and every key value filled in,
    // changed by `edit` before it is written.
    template <class Edit> void add(int record, int batch, Edit edit)
    {
        BrewRecord b;
        b.RECORDNUMBER = record;
        b.BATCHNUMBER = std::int16_t(batch);
        b.BREWKIT = QStringLiteral("Kit %1").arg(record, 3, 10, QLatin1Char('0'));
        b.YEAST = QStringLiteral("Ale yeast");
        b.DATEDOWN = 80000 + record;
        b.OVERALL = std::int16_t(record % 50 + 1);
        b.BREWCOST = Decimal(record);
        b.ORIGINALGRAVITY = 1050;
        b.FINALGRAVITY = 1010;
        b.ESTIMATEDALC = dec("5.25");
        b.STOCKONHAND = QStringLiteral("0");
        edit(b);
        ScriptedPrompter prompter;
        ASSERT_TRUE(m_brews.insert(b, prompter).ok()) << record;
    }
    void add(int record, int batch)
    {
        add(record, batch, [](BrewRecord &) {});
    }

private:
    QTemporaryDir m_dir;
    BrewsTable m_brews;
};

inline std::unique_ptr<PageDocument> run(
    const QString &procedure, const QString &folder, const brewlist::Options &options = {})
{
    const BrewListMember *member = brewlist::find(procedure);
    EXPECT_NE(member, nullptr) << procedure.toStdString();
    // Small chunks, so the run crosses many chunk and page boundaries.
    ReportRun run(brewlist::description(*member, options), brewlist::source(*member, folder, options), 5);
    for (int guard = 0; guard < 100000; ++guard) {
        Expected<bool> done = run.step();
        EXPECT_TRUE(done.ok()) << done.message().toStdString();
        if (!done || *done)
            break;
    }
    EXPECT_EQ(run.percent(), 100);
    return run.document();
}

inline ReportPage page(const PageDocument &document, int index)
{
    Expected<ReportPage> p = document.page(index);
    EXPECT_TRUE(p.ok()) << p.message().toStdString();
    return p ? *p : ReportPage {};
}

} // namespace reporttest
