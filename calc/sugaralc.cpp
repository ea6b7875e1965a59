#include "calc/sugaralc.h"

namespace sugaralc
{

namespace
{

// Percent alcohol in tenths for the four amounts, by volume and by weight.
constexpr int kVol[kRows] = { 52, 46, 40, 34 };
constexpr int kWgt[kRows] = { 42, 37, 32, 27 };

} // namespace

const std::array<Row, kRows> &rows()
{
    static const std::array<Row, kRows> table = { {
        { QStringLiteral("1.000"), QStringLiteral("2.200") },
        { QStringLiteral("0.750"), QStringLiteral("1.650") },
        { QStringLiteral("0.500"), QStringLiteral("1.100") },
        { QStringLiteral("0.250"), QStringLiteral("0.550") },
    } };
    return table;
}

SugarTable::SugarTable(bool byVolume)
    : m_byVolume(byVolume)
{
    for (int i = 0; i < kRows; ++i) {
        m_vol[i] = Decimal::fromScaled(kVol[i], 1);
        m_wgt[i] = Decimal::fromScaled(kWgt[i], 1);
    }
    m_inform = byVolume ? QStringLiteral("Excludes the 0.5% for Bottle Conditioning")
                        : QStringLiteral("Excludes the 0.4% for Bottle Conditioning");
}

void SugarTable::addAllowance(Prompter &prompter)
{
    m_inform = m_byVolume ? QStringLiteral("Includes the 0.5% (abv) for Bottle Conditioning")
                          : QStringLiteral("Includes the 0.4% (abw) for Bottle Conditioning");
    if (m_vol[0] == Decimal::fromScaled(kVol[0], 1)) {
        for (int i = 0; i < kRows; ++i) {
            m_vol[i] += Decimal::fromScaled(5, 1);
            m_wgt[i] += Decimal::fromScaled(4, 1);
        }
    } else {
        prompter.tell(alreadyAppliedMessage());
    }
}

Message SugarTable::alreadyAppliedMessage()
{
    return Message { QStringLiteral("Done..."),
        QStringLiteral("Extra % for bottle conditioning has already been applied."), MessageIcon::Question, {}, 1 };
}

} // namespace sugaralc
