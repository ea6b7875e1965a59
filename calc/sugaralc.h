#pragma once
// Alcohol from the sugar used: a fixed table of four sugar amounts with the
// alcohol each gives, and the once-only bottle-conditioning allowance.

#include "platform/decimal.h"
#include "platform/prompter.h"

#include <QString>
#include <array>

namespace sugaralc
{

constexpr int kRows = 4;

struct Row {
    QString kg; // "1.000"
    QString lbs; // "2.200"
};
// The row labels, the same amounts in kilograms and pounds.
const std::array<Row, kRows> &rows();

class SugarTable
{
public:
    // The opening figures; the text depends on GLO:ALCBASEDON (1 by volume).
    explicit SugarTable(bool byVolume);

    Decimal alcVol(int row) const { return m_vol[row]; } // LOC:ALCVOL1..4
    Decimal alcWgt(int row) const { return m_wgt[row]; } // LOC:ALCWGT1..4
    QString informText() const { return m_inform; } // LOC:INFORMSTRG

    // "&Add extra % for Bottle Conditioning": adds 0.5 / 0.4 once; a second
    // press says it was done already.
    void addAllowance(Prompter &prompter);

    static Message alreadyAppliedMessage();

private:
    bool m_byVolume;
    std::array<Decimal, kRows> m_vol;
    std::array<Decimal, kRows> m_wgt;
    QString m_inform;
};

} // namespace sugaralc
