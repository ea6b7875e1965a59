#pragma once
// What the two label windows (Win_CreateStandardLabels and Win_CreateOwnLabels)
// share: the number of labels, the sheets it takes and what closing clears.

#include "platform/decimal.h"
#include "platform/prompter.h"
#include "records/globals.h"

#include <QString>

class LabelWindowView
{
public:
    virtual ~LabelWindowView() = default;
    // The shared values or the window's own have changed: show them again.
    virtual void refresh() = 0;
};

class LabelWindowLogic
{
public:
    static constexpr int kLabelsPerSheet = 8;
    static constexpr int kMinLabels = 1;
    static constexpr int kMaxLabels = 500;

    LabelWindowLogic(Prompter &prompter, LabelWindowView &view, Globals &globals = glo());
    virtual ~LabelWindowLogic() = default;

    Globals &globals() { return m_globals; }
    // LOC:PAGESTOPRINT: the labels over eight, held with two places (20 labels: 2.50).
    Decimal pagesToPrint() const { return m_pagesToPrint; }
    // The line under the count: "1.1", "Page(s) required for", "9", "labels.".
    QString pagesText() const;
    QString countText() const;

    // Opening: no count yet means 8 labels.
    virtual void open();
    // An event of the count's spin box; a count outside 1 to 500 is refused (false) and the
    // count stays as it was.
    bool setCount(int labels);
    // "Cl&ose": the brew names, the own heading and body are cleared and the count is 0, so the
    // next opening starts afresh with 8 labels.
    void close();

    static Decimal pagesFor(int labels);

protected:
    Prompter &m_prompter;
    LabelWindowView &m_view;
    Globals &m_globals;

private:
    Decimal m_pagesToPrint;
};
