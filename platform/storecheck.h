#pragma once
// The store check run from the command line ("maltwright check"): opens every store of the
// data folder without a window, creating a missing one empty, verifies each and reports one
// line per store. It never repairs, upgrades or replaces anything.

#include "platform/tabledef.h"

#include <QString>
#include <QTextStream>
#include <vector>

struct StoreReport {
    enum class State { Ok, Created, Older, Damaged };
    QString store;
    State state = State::Ok;
    std::int64_t rows = 0;
    int version = 0;
    QString problem; // Damaged: what is wrong
    bool recovered = false; // a write a crash interrupted was undone (or a log taken in)
    QString readOnly; // why the store can only be read here, if it cannot be written

    QString line() const; // "BREWSV3: 12 rows, ok"
};

StoreReport checkStore(const TableDef &def, const QString &dataFolder);
// Checks every table, writes one line per store, returns the exit code: 0 when no store is
// damaged, 1 when one is, 2 when the data folder does not exist.
int runStoreCheck(const std::vector<TableDef> &tables, const QString &dataFolder, QTextStream &out);
