#pragma once
// A scratch data folder, a scripted prompter and recording views for the catalogue windows' rules.

#include "platform/prompter.h"
#include "screens/windowing/cataloguebrowselogic.h"
#include "screens/windowing/catalogueformlogic.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const Decimal &d, std::ostream *os) { *os << d.toPlainText().toStdString(); }
inline void PrintTo(const Message &m, std::ostream *os)
{
    *os << '[' << m.caption.toStdString() << "] " << m.text.toStdString();
}

namespace cataloguetest
{

inline Decimal dec(const char *text) { return *Decimal::parse(QString::fromLatin1(text)); }

class RecordingFormView : public CatalogueFormView
{
public:
    void refresh() override { ++refreshes; }
    void moveFocus(const QString &field) override { focus.push_back(field); }
    void recordSaved() override { ++saves; }
    void closeForm() override { closed = true; }

    QString lastFocus() const { return focus.empty() ? QString() : focus.back(); }

    int refreshes = 0;
    int saves = 0;
    std::vector<QString> focus;
    bool closed = false;
};

template <class R> class RecordingBrowseView : public CatalogueBrowseView<R>
{
public:
    void reread(const std::optional<R> &at) override { rereads.push_back(at); }
    void refresh() override { ++refreshes; }
    void moveFocus(BrowseControl control) override { focus.push_back(control); }
    void closeBrowse() override { closed = true; }

    std::vector<std::optional<R>> rereads;
    int refreshes = 0;
    std::vector<BrowseControl> focus;
    bool closed = false;
};

// Every record of a table in the order of a key.
template <class Table, class Key> auto readAll(Table &table, Key key)
{
    auto page = table.readPage(key, Bound::edge(), Direction::Forward, 1000);
    EXPECT_TRUE(page.ok());
    return page.ok() ? page->rows : decltype(page->rows) {};
}

// Stores a record as a completed insert and returns it as stored.
template <class Table, class R> R store(Table &table, R record, Prompter &prompter)
{
    R seed {};
    EXPECT_TRUE(table.reserve(seed, prompter).ok());
    record.RECORDNUMBER = seed.RECORDNUMBER;
    EXPECT_TRUE(table.update(record, prompter, WriteKind::CompleteInsert).ok());
    return record;
}

} // namespace cataloguetest
