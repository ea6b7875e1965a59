#pragma once
// The export record (prefix CSV): the 34 columns of one line of the brew export file, filled
// from a brew, and the line written for it.

#include "platform/decimal.h"
#include "records/brewrecord.h"

#include <QByteArray>
#include <QString>
#include <cstdint>

struct CsvExportRecord {
    std::int32_t LINENUMBER = 0;
    std::int16_t BATCHNUMBER = 0;
    QString BREWKIT; // STRING(45)
    QString BREWBATCHNAME; // STRING(25)
    QString BREWSUGARTYPE; // STRING(25)
    Decimal BREWSUGARKG;
    Decimal WATERVOLUMELTR;
    QString YEAST; // STRING(35)
    QString DATEDOWN; // STRING(10)
    std::int16_t ORIGINALGRAVITY = 0;
    QString SPAREFIELD1; // STRING(25)
    QString STOCKONHAND; // STRING(25): "Yes" or "No"
    QString ADDITIVE1, ADDITIVE2, ADDITIVE3, ADDITIVE4, ADDITIVE5; // STRING(35)
    QString PRIMERSUGARTYPE; // STRING(25)
    Decimal PRIMERSUGARKG;
    std::int16_t BREWTEMP = 0;
    QString DATEBOTTLED; // STRING(10)
    QString MINUSE; // STRING(12)
    QString MAXUSE; // STRING(12)
    std::uint8_t BREWPERIOD = 0;
    std::uint8_t BREWPERIOD2 = 0;
    std::int16_t FINALGRAVITY = 0;
    QString SPAREFIELD2; // STRING(25)
    Decimal ESTIMATEDALC;
    std::int16_t APPEARANCE = 0;
    std::int16_t AROMA = 0;
    std::int16_t TASTE = 0;
    std::int16_t OVERALL = 0;
    QString SPAREFIELD4; // STRING(20)
    Decimal BREWCOST;

    static constexpr int kColumns = 34;

    // The record for `brew`, the `lineNumber`-th brew read in this run.
    static CsvExportRecord fromBrew(const BrewRecord &brew, std::int32_t lineNumber);
    // The line in the file: the columns in order, separated by commas, ending in CR LF.
    // Texts are quoted (quotes doubled, trailing spaces dropped), decimals carry two places.
    void appendLine(QByteArray &out) const;
    QByteArray line() const;
};
