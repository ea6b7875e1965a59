#pragma once
// The program-wide values: preferences loaded at start and the values windows
// hand to one another. One instance, seen by every window; each value is a
// single small value written whole.

#include "platform/date.h"
#include "platform/decimal.h"

#include <QString>
#include <atomic>
#include <cstdint>

// The cost calculator's inputs and results (all DECIMAL(7,2)).
struct CostFigures {
    Decimal KITCOST, SUGARCOST, BOTTLECOST;
    Decimal SUNDRY1, SUNDRY2, SUNDRY3, SUNDRY4, SUNDRY5;
    Decimal TOTALCOST, TOTALVOLUME, UNITSIZE, NUMBEROFUNITS, COSTPERUNIT;
    friend bool operator==(const CostFigures &, const CostFigures &) = default;
};

struct Globals {
    // Preferences (settings file, section Defaults).
    std::uint8_t TIPFLAG = 1; // 1 until the settings are read
    std::uint8_t SETDEFAULTSYN = 0;
    std::uint8_t OPENATBROWSE = 0;
    std::uint8_t OPENATSTOCKONLY = 0;
    std::uint8_t OVERRIDEFERMENTATION = 0;
    std::uint8_t UNITSPROMPT = 0; // 0 imperial/US, otherwise metric
    std::uint8_t TEMPPROMPT = 0; // 0 Fahrenheit, otherwise Celsius
    std::uint8_t ALCBASEDON = 0; // 1 by volume, 0 by weight

    date::Day THISDAY = 0;
    std::int16_t PrintFrom = 0;
    std::int16_t PrintTo = 0;

    // The brew handed to the cost calculator and the label windows.
    QString GETKITNAME; // STRING(45)
    QString GETBATCHNAME; // STRING(25)
    std::int16_t GETBATCHNUMBER = 0;
    QString AGESTRING; // STRING(55)
    QString COMMENTLINE1, COMMENTLINE2, COMMENTLINE3, COMMENTLINE4, COMMENTLINE5; // STRING(45)
    QString LABELHEADER, LABELBODY; // STRING(35)
    // Labels to print. The spin boxes offer 1 to 500, so the count is held in 16 bits:
    // a byte would turn 300 labels into 44.
    std::uint16_t HOWMANYLABELS = 0;
    // The heading of the standard label: 1 the kit/recipe name, 0 the batch name.
    std::uint8_t labelDescription = 1;

    CostFigures cost;

    QString CSVFILENAME; // STRING(45)
    std::int16_t csvRecordSelector = 0; // 0 = all brews, else the record number of the one brew
    std::atomic<bool> browseOpen { false }; // the browse-open flag
};

// The one instance.
Globals &glo();
