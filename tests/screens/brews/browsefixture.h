#pragma once
// A data folder with a small brew log for the brew browse tests.

#include "platform/clock.h"
#include "platform/prompter.h"
#include "records/brewstable.h"
#include "records/globals.h"
#include "records/settings.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace browsetest
{

inline const date::Day kToday = date::fromYmd(2024, 6, 15);

struct BrewSpec {
    int record;
    int batch;
    const char *kit;
    date::Day down;
    const char *stock;
    int overall = 0;
};

inline BrewRecord makeBrew(const BrewSpec &s)
{
    BrewRecord b;
    b.RECORDNUMBER = s.record;
    b.BATCHNUMBER = std::int16_t(s.batch);
    b.BREWKIT = QString::fromUtf8(s.kit);
    b.DATEDOWN = s.down;
    b.DATEBOTTLED = s.down ? s.down + 7 : 0;
    b.STOCKONHAND = QString::fromLatin1(s.stock);
    b.OVERALL = std::int16_t(s.overall);
    return b;
}

class BrowseFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        settings::setDataFolder(m_dir.path());
        Clock::install(&m_clock);
        m_saved = { glo().OPENATSTOCKONLY, glo().ALCBASEDON, glo().UNITSPROMPT, glo().TEMPPROMPT };
        glo().OPENATSTOCKONLY = 1;
        glo().ALCBASEDON = 1;
        glo().UNITSPROMPT = 1;
        glo().TEMPPROMPT = 1;
        ASSERT_TRUE(m_table.open());
    }
    void TearDown() override
    {
        m_table.close();
        Clock::install(nullptr);
        glo().OPENATSTOCKONLY = m_saved[0];
        glo().ALCBASEDON = m_saved[1];
        glo().UNITSPROMPT = m_saved[2];
        glo().TEMPPROMPT = m_saved[3];
        glo().AGESTRING.clear();
        glo().csvRecordSelector = 0;
    }

    void insert(BrewRecord brew)
    {
        const StoreResult r = m_table.insert(brew, m_storePrompter);
        ASSERT_TRUE(r.ok()) << r.message.text.toStdString();
    }
    void insert(std::initializer_list<BrewSpec> specs)
    {
        for (const BrewSpec &s : specs)
            insert(makeBrew(s));
    }
    // The twelve brews most tests use: batches 1..12 (record n holds batch n), odd batches
    // consumed, kits in mixed case, a date down for all but batch 3, scores on batches 2, 4 and 9.
    void insertDozen()
    {
        const char *const kits[] = { "Pale Ale", "bitter", "Stout", "lager", "Porter", "IPA", "mild", "Stout",
            "pilsner", "Bock", "wheat", "Amber" };
        for (int n = 1; n <= 12; ++n) {
            BrewSpec s { n, n, kits[n - 1], n == 3 ? 0 : date::fromYmd(2024, 1, n * 2), n % 2 ? "0" : "1" };
            s.overall = n == 2 ? 30 : n == 4 ? 41 : n == 9 ? 25 : 0;
            insert(makeBrew(s));
        }
    }

    QTemporaryDir m_dir;
    FixedClock m_clock { kToday };
    BrewsTable m_table { m_dir.path() };
    ScriptedPrompter m_storePrompter;
    std::array<std::uint8_t, 4> m_saved {};
};

} // namespace browsetest
