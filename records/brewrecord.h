#pragma once
// One row of the Brews table (store BREWSV3): the log entry of one brew batch.
// Members carry the field names of the table so a search finds the rule behind a line.

#include "platform/date.h"
#include "platform/decimal.h"
#include "platform/tabledef.h"

#include <QString>
#include <cstdint>

struct BrewRecord {
    std::int32_t RECORDNUMBER = 0;
    std::int16_t BATCHNUMBER = 0;
    QString BREWKIT; // STRING(45)
    Decimal WATERVOLUMELTR; // DECIMAL(7,2)
    QString YEAST; // STRING(35)
    QString BREWSUGARTYPE; // STRING(25)
    Decimal BREWSUGARKG; // DECIMAL(7,2)
    QString PRIMERSUGARTYPE; // STRING(25)
    Decimal PRIMERSUGARKG; // DECIMAL(7,2), 0 .. 100
    QString ADDITIVE1; // STRING(35) each
    QString ADDITIVE2;
    QString ADDITIVE3;
    QString ADDITIVE4;
    QString ADDITIVE5;
    date::Day DATEDOWN = 0;
    std::int16_t ORIGINALGRAVITY = 0; // SG x 1000
    date::Day DATEBOTTLED = 0;
    std::int16_t BREWTEMP = 0;
    std::int16_t FINALGRAVITY = 0;
    std::uint8_t BREWPERIOD = 0;
    std::uint8_t BREWPERIOD2 = 0;
    date::Day MINUSE = 0;
    date::Day MAXUSE = 0;
    Decimal ESTIMATEDALC; // DECIMAL(7,2)
    double APPEARANCE = 0; // 1 .. 7
    double AROMA = 0; // 1 .. 8
    double TASTE = 0; // 1 .. 35
    std::int16_t OVERALL = 0; // out of 50
    QString BREWBATCHNAME; // STRING(25)
    Decimal BREWCOST; // DECIMAL(7,2)
    // Reserved fields: stored in their places, read and written by nothing else.
    Decimal SPAREDEC1, SPAREDEC2, SPAREDEC3;
    double SPAREREAL1 = 0, SPAREREAL2 = 0, SPAREREAL3 = 0;
    std::int32_t SPARELONG1 = 0;
    std::int16_t SPARESHORT1 = 0, SPARESHORT2 = 0, SPARESHORT3 = 0;
    std::int32_t SPARELONG2 = 0;
    std::int32_t SPARELONG3 = 0;
    std::uint8_t SPAREBYTE1 = 0, SPAREBYTE2 = 0, SPAREBYTE3 = 0, SPAREBYTE4 = 0, SPAREBYTE5 = 0;
    QString SPARESTRG1; // STRING(10)
    QString SPARESTRG2; // STRING(15)
    QString SPARESTRG3; // STRING(35)
    QString SPARESTRG4; // STRING(45)
    QString SPARESTRG5; // STRING(60)
    QString SPAREFIELD1; // STRING(25): temperature at the OG reading
    QString SPAREFIELD2; // STRING(25): temperature at the FG reading
    QString SPAREFIELD3; // STRING(25)
    QString SPAREFIELD4; // STRING(20): best maturity period
    QString STOCKONHAND; // STRING(25): "1" in stock, "0" consumed
    // Memos, stored with the row.
    QString NOTES; // 1,000 bytes
    QString NOTESBIG; // 18,000 bytes

    StoredRow stored; // the row as stored, when a value did not fit its member

    friend bool operator==(const BrewRecord &, const BrewRecord &) = default;
};
