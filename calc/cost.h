#pragma once
// Cost per unit: the rules of the cost calculator over the shared cost figures
// (glo().cost) and the brew particulars handed to it, and the window's logic.

#include "platform/decimal.h"
#include "platform/prompter.h"
#include "records/globals.h"

#include <QString>

namespace cost
{

// The window's inputs.
enum class Input { Kit, Sugar, Bottles, Sundry1, Sundry2, Sundry3, Sundry4, Sundry5, TotalVolume, UnitSize };
// Where the window puts the focus after a rule.
enum class Focus { None, KitCost, TotalVolume, Reset, Print };

Decimal &figure(CostFigures &figures, Input input);
Decimal figure(const CostFigures &figures, Input input);

// A value as the shared figure holds it: two places (0.568 -> 0.57).
Decimal held(Decimal value);

// After a cost field: the total of the eight costs; the cost per unit only when
// the volume and the units are above 0 (otherwise it keeps its value).
void recalcCosts(CostFigures &figures);
// After the volume or the unit size: units := volume / unit size and cost per
// unit := total / units, each stored with two places; a division by 0 gives 0.
void recalcUnits(CostFigures &figures);

// Every figure to 0 (Reset and the start of Example).
void clearFigures(CostFigures &figures);
// Closing the window: every figure but the total cost to 0.
void clearOnClose(CostFigures &figures);
// The sample figures of Example: 28.04 over 112.50 units gives 0.25.
void fillExample(CostFigures &figures);

Message exampleMessage();
Message nothingToCopyMessage();
Message copiedMessage();
Message incompleteMessage();
Message printQuestion();

// Copy is allowed when the total cost and the cost per unit are both above 0.
bool canCopy(const CostFigures &figures);
// The clipboard text: two lines ending in CR LF, numbers as plain number text.
QString clipboardText(const CostFigures &figures);
// LOC:TOTALSTRG of the printed breakdown: "28.04 divided by 112.5 equals a unit cost of:".
QString totalString(const CostFigures &figures);

// The cost window's logic over the shared figures and brew particulars.
class CostCalculator
{
public:
    explicit CostCalculator(Globals &globals = glo());

    const CostFigures &figures() const { return m_globals.cost; }
    Globals &globals() { return m_globals; }
    bool printChosen() const { return m_printChosen; }

    // Opening: the total cost starts at 0.
    void open();
    // A value typed, stepped or the field entered: held to two places, then the
    // recalculation of its kind.
    void setInput(Input input, Decimal value);
    // Example: the explanation, the sample figures; focus to Reset.
    Focus example(Prompter &prompter);
    // Reset: the thirteen figures to 0; the particulars and the focus stay.
    void reset();
    // Copy: the text to put on the clipboard, or empty after the "Nothing to
    // copy?" message (focus to the kit cost). The caller tells copiedMessage()
    // once the clipboard holds the text.
    QString copy(Prompter &prompter, Focus &focus);
    // " &Print" gets the focus: with no cost per unit it says so and the focus
    // goes to the volume (returns false: nothing may be printed).
    bool printFocus(Prompter &prompter, Focus &focus);
    // " &Print" pressed.
    void printPressed() { m_printChosen = true; }
    // "Cl&ose" pressed: true when the window may close; otherwise the focus
    // goes to " &Print" (the print question answered Yes, or closed unanswered).
    bool closePressed(Prompter &prompter, Focus &focus);
    // The window closes (by any means).
    void closing();

private:
    Globals &m_globals;
    bool m_printChosen = false;
};

} // namespace cost
