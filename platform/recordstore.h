#pragma once
// One handle on one table of the record store: a SQLite file <STORE>.sqlite in the data
// folder, laid out by its TableDef. Each window opens its own handle; a handle is used by
// one thread at a time. Ordered reads page through a key (keyset paging, never the whole
// table); writes validate, check uniqueness and detect rows changed through another handle.

#include "platform/prompter.h"
#include "platform/result.h"
#include "platform/tabledef.h"

#include <functional>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

enum class Direction { Forward, Backward }; // Forward = the key's own order

// Where a read stands in a key: the values of the key's components followed, for a key
// that is not unique, by those of the primary key (the tie-break). Taken from a row with
// RecordStore::cursorOf.
struct Cursor {
    std::vector<FieldValue> values;
    bool isNull() const { return values.empty(); }
    friend bool operator==(const Cursor &, const Cursor &) = default;
};

// Where an ordered read begins, seen in its reading direction.
struct Bound {
    enum class Kind {
        Edge, // the first row (Forward) or the last row (Backward)
        AtOrAfter, // the first row whose key is at or after `values` (at or before, Backward);
                   // `values` may give only the leading components
        After, // the row just past the cursor in `values` (continuation of a page)
    };
    Kind kind = Kind::Edge;
    std::vector<FieldValue> values;

    static Bound edge() { return {}; }
    static Bound atOrAfter(std::vector<FieldValue> keyValues) { return { Kind::AtOrAfter, std::move(keyValues) }; }
    static Bound after(const Cursor &cursor) { return { Kind::After, cursor.values }; }
};

// A filter on the row: every condition must hold ("(ALE:StockOnHand = 1)").
struct Filter {
    enum class Compare { Equal, NotEqual, Less, LessOrEqual, Greater, GreaterOrEqual };
    struct Condition {
        int field = 0;
        Compare compare = Compare::Equal;
        FieldValue value;
    };
    std::vector<Condition> conditions;

    bool isEmpty() const { return conditions.empty(); }
    static Filter equal(int field, FieldValue value) { return { { { field, Compare::Equal, std::move(value) } } }; }
    // Reads "(ALE:StockOnHand = 1)", "ALE:BATCHNUMBER >= 3 AND ALE:BATCHNUMBER <= 7": conditions of
    // field, operator (= <> < <= > >=) and value joined by AND, optionally in parentheses.
    // Text values may be quoted with ' or ".
    static Expected<Filter> parse(const TableDef &def, const QString &text);
};

struct Page {
    std::vector<Row> rows;
    bool atEnd = true; // no row lies beyond the last one delivered
};

enum class StoreStatus {
    Done,
    Invalid, // a field broke its rule; nothing written
    Duplicate, // a unique key already holds the value; nothing written
    Changed, // the row was changed or deleted through another handle since it was read
    Abandoned, // the user gave up numbering a new row
    Failed, // the store could not do the write (message says why)
};

// Outcome of a write. On failure the message has already been shown through the Prompter.
struct StoreResult {
    StoreStatus status = StoreStatus::Done;
    Message message;
    bool ok() const { return status == StoreStatus::Done; }
    explicit operator bool() const { return ok(); }
};

// How an update reports a duplicate key: completing a new row (reserved earlier) is
// reported as an insert, changing an existing one as an update.
enum class WriteKind { Change, CompleteInsert };

class RecordStore
{
public:
    static constexpr int kSchemaVersion = 2;

    RecordStore(const TableDef &def, QString dataFolder);
    ~RecordStore();
    RecordStore(const RecordStore &) = delete;
    RecordStore &operator=(const RecordStore &) = delete;

    const TableDef &definition() const { return m_def; }
    QString filePath() const;
    static QString filePath(const TableDef &def, const QString &dataFolder);

    // Opens are counted: each open() is matched by a close(); the last close releases the
    // file. A missing store is created empty; a file that is not a valid store is left
    // untouched and refused with "File %File could not be opened.  Error: %ErrorText.".
    // An older store is upgraded after a copy is kept beside it; a newer one is refused.
    Result open();
    Result open(Prompter &prompter); // also shows the failure
    void close();
    bool isOpen() const { return m_db != nullptr; }
    // Open for reading only: the store cannot be written here. The reason names it ("The data
    // folder is read-only", "The disk is full"); every write is refused with it at once.
    bool isReadOnly() const { return !m_readOnly.isEmpty(); }
    QString readOnlyReason() const { return m_readOnly; }

    // Ordered reads. `limit` rows at most; rows whose key value is zero or blank are never
    // delivered; ties are broken by the primary key in the key's direction.
    Expected<Page> readPage(
        int key, const Bound &from, Direction direction, int limit, const Filter &filter = {}) const;
    Cursor cursorOf(int key, const Row &row) const;
    // The first row in key order whose leading key components equal `values`.
    Expected<std::optional<Row>> fetch(int key, const std::vector<FieldValue> &values) const;
    Expected<std::int64_t> count(int key, const Filter &filter = {}) const;
    Expected<std::int64_t> countAll() const; // every row, whatever its key values
    // The highest value of an auto-numbered key (0 when no row has one).
    Expected<FieldValue> highest(int key) const;

    // The first failing field rule in field order (the message to show), or nothing.
    std::optional<Message> validate(const Row &row) const;

    // Writes. Each shows its failure through the prompter and returns it.
    StoreResult insert(Row &row, Prompter &prompter);
    // Numbers a new row: each auto-numbered key gets its highest value + 1, and the row
    // (otherwise as given: a copy keeps its other fields) is written at once to reserve them.
    // A clash with another writer is retried, three attempts in all, then the user is asked.
    StoreResult reserve(Row &seed, Prompter &prompter);
    // Writes the row over the stored row with the same primary key, if that row still has
    // the revision `row.revision`; otherwise refuses with "This record was changed by
    // another station.". On success row.revision is the new revision.
    StoreResult update(Row &row, Prompter &prompter, WriteKind kind = WriteKind::Change);
    // Deletes the stored row with the row's primary key.
    StoreResult remove(const Row &row, Prompter &prompter);
    // Gives back a row reserved for a new record that was abandoned. Nothing to tell the user:
    // when the store cannot take the delete now (a full disk), it is done after the next write
    // that succeeds, or when the handle closes.
    void release(const Row &row);

    // Deletes every row in one transaction: either all go or none does. Other handles may
    // keep the store open (a report reading it sees the rows it already read, then none).
    // Auto-numbering starts again at 1.
    Result removeAllRows();

    // A consistent copy of the store through SQLite's online backup, written to `path`.
    Result backupTo(const QString &path) const;
    // Deletes the store file (and its journal files). Refused while a handle in this
    // process has it open. The next open creates it again, empty.
    static Result removeStore(const TableDef &def, const QString &dataFolder);

    // Called between computing the numbers of a new row and writing it (attempt 1..3);
    // lets tests take a number in the meantime.
    void setReserveHook(std::function<void(int attempt)> hook) { m_reserveHook = std::move(hook); }

    // The SQL of every statement this handle has prepared (for checking how each one reads).
    QStringList preparedStatements() const;

    // The open-failure message for this store and an error text.
    Message openFailure(const QString &errorText) const;

private:
    struct Statements;
    struct WriteOutcome;
    QString errorText() const;
    WriteOutcome writeOnce(Row &row, bool insert);
    StoreResult numberAndWrite(Row &row, Prompter &prompter, bool everyKey, bool rules);
    // The refusal of a row that cannot be written (handle closed, wrong width, a field
    // breaking its limits or, with `rules`, its rule), already shown; nothing when it fits.
    std::optional<StoreResult> refuseUnfit(
        const Row &row, Prompter &prompter, const QString &caption, bool rules) const;
    StoreResult writeRow(Row &row, bool insert, Prompter &prompter, WriteKind kind);
    WriteOutcome deleteOnce(const Row &row);
    WriteOutcome deleteRow(const Row &row);
    void retryReleases();

    TableDef m_def;
    QString m_folder;
    sqlite3 *m_db = nullptr;
    QString m_readOnly;
    int m_openCount = 0;
    std::unique_ptr<Statements> m_statements;
    std::function<void(int)> m_reserveHook;
    std::vector<Row> m_releases; // abandoned reservations still to delete
};
