#include "calc/cost.h"

namespace cost
{

namespace
{

Message notice(const QString &caption, const QString &text, MessageIcon icon)
{
    return Message { caption, text, icon, {}, 1 };
}

} // namespace

Decimal &figure(CostFigures &f, Input input)
{
    switch (input) {
    case Input::Kit:
        return f.KITCOST;
    case Input::Sugar:
        return f.SUGARCOST;
    case Input::Bottles:
        return f.BOTTLECOST;
    case Input::Sundry1:
        return f.SUNDRY1;
    case Input::Sundry2:
        return f.SUNDRY2;
    case Input::Sundry3:
        return f.SUNDRY3;
    case Input::Sundry4:
        return f.SUNDRY4;
    case Input::Sundry5:
        return f.SUNDRY5;
    case Input::TotalVolume:
        return f.TOTALVOLUME;
    case Input::UnitSize:
        break;
    }
    return f.UNITSIZE;
}

Decimal figure(const CostFigures &f, Input input) { return figure(const_cast<CostFigures &>(f), input); }

Decimal held(Decimal value) { return value.rounded(2); }

void recalcCosts(CostFigures &f)
{
    f.TOTALCOST
        = held(f.KITCOST + f.SUGARCOST + f.BOTTLECOST + f.SUNDRY1 + f.SUNDRY2 + f.SUNDRY3 + f.SUNDRY4 + f.SUNDRY5);
    if (f.TOTALVOLUME > Decimal() && f.NUMBEROFUNITS > Decimal())
        f.COSTPERUNIT = held(f.TOTALCOST / f.NUMBEROFUNITS);
}

void recalcUnits(CostFigures &f)
{
    // Not guarded: a unit size of 0 gives 0 units and a cost per unit of 0.
    // The number of units is the plain quotient, not whole units (22.5 / 0.2 = 112.50),
    // and the cost per unit comes from the units as stored.
    f.NUMBEROFUNITS = held(f.TOTALVOLUME / f.UNITSIZE);
    f.COSTPERUNIT = held(f.TOTALCOST / f.NUMBEROFUNITS);
}

void clearFigures(CostFigures &f) { f = CostFigures {}; }

void clearOnClose(CostFigures &f)
{
    const Decimal total = f.TOTALCOST;
    f = CostFigures {};
    f.TOTALCOST = total;
}

void fillExample(CostFigures &f)
{
    clearFigures(f);
    f.KITCOST = Decimal::fromScaled(1295, 2);
    f.SUGARCOST = Decimal::fromScaled(209, 2);
    f.BOTTLECOST = Decimal::fromScaled(765, 2);
    f.SUNDRY1 = Decimal::fromScaled(450, 2);
    f.SUNDRY2 = Decimal::fromScaled(85, 2);
    f.TOTALVOLUME = Decimal::fromScaled(225, 1);
    f.UNITSIZE = Decimal::fromScaled(2, 1);
    recalcCosts(f);
    recalcUnits(f);
}

Message exampleMessage()
{
    return notice(QStringLiteral("Example..."),
        QStringLiteral("Firstly the costs of the brew ingredients are entered then the total volume of |the "
                       "bottled/kegged brew followed by the bottle/glass or other unit size.||TIP: You can "
                       "use the 'Copy' button to place the totals on the Clipboard then |later 'Paste' them "
                       "into the brews 'Notes'.||The total cost can be saved but to retain a detailed "
                       "breakdown select the |'Print' button.||")
            + QString(29, QLatin1Char(' ')) + QStringLiteral("Use the 'Reset' button to clear all fields."),
        MessageIcon::Information);
}

Message nothingToCopyMessage()
{
    return notice(QStringLiteral("Nothing to copy?"), QStringLiteral("Require Total cost and Cost per unit."),
        MessageIcon::Question);
}

Message copiedMessage()
{
    return notice(QStringLiteral("Copied to the Windows Clipboard..."),
        QStringLiteral("You can Paste these totals into the brews notes.||To do this Close this window, go "
                       "to 'Browse Brews' > 'Edit Brew' |and select the 'Notes' tab then select 'Edit' and "
                       "'Paste'. (or Ctrl+V)"),
        MessageIcon::Information);
}

Message incompleteMessage()
{
    return notice(QStringLiteral("Incomplete..."), QStringLiteral(" The 'Cost Per Unit' is zero, nothing to print ?"),
        MessageIcon::Error);
}

Message printQuestion()
{
    return Message { QStringLiteral("Print?"),
        QStringLiteral("Do you want to print a detailed report?||(To print select 'Yes' then the 'Print' "
                       "buttton)"),
        MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
}

bool canCopy(const CostFigures &f) { return f.TOTALCOST > Decimal() && f.COSTPERUNIT > Decimal(); }

QString clipboardText(const CostFigures &f)
{
    const QString crlf = QStringLiteral("\r\n");
    return QStringLiteral("Total Cost: ") + f.TOTALCOST.toPlainText() + QStringLiteral("  Final Volumn: ")
        + f.TOTALVOLUME.toPlainText() + QStringLiteral("  Unit ") + QStringLiteral("Size: ") + f.UNITSIZE.toPlainText()
        + crlf + QStringLiteral("Total Units: ") + f.NUMBEROFUNITS.toPlainText() + QStringLiteral("  Cost Per ")
        + QStringLiteral("Unit: ") + f.COSTPERUNIT.toPlainText() + crlf;
}

QString totalString(const CostFigures &f)
{
    return f.TOTALCOST.toPlainText() + QStringLiteral(" divided by ") + f.NUMBEROFUNITS.toPlainText()
        + QStringLiteral(" equals a unit cost of:");
}

CostCalculator::CostCalculator(Globals &globals)
    : m_globals(globals)
{
}

void CostCalculator::open()
{
    m_globals.cost.TOTALCOST = Decimal();
    m_printChosen = false;
}

void CostCalculator::setInput(Input input, Decimal value)
{
    figure(m_globals.cost, input) = held(value);
    if (input == Input::TotalVolume || input == Input::UnitSize)
        recalcUnits(m_globals.cost);
    else
        recalcCosts(m_globals.cost);
}

Focus CostCalculator::example(Prompter &prompter)
{
    prompter.tell(exampleMessage());
    fillExample(m_globals.cost);
    return Focus::Reset;
}

void CostCalculator::reset() { clearFigures(m_globals.cost); }

QString CostCalculator::copy(Prompter &prompter, Focus &focus)
{
    if (!canCopy(m_globals.cost)) {
        prompter.tell(nothingToCopyMessage());
        focus = Focus::KitCost;
        return {};
    }
    focus = Focus::None;
    return clipboardText(m_globals.cost);
}

bool CostCalculator::printFocus(Prompter &prompter, Focus &focus)
{
    if (!m_globals.cost.COSTPERUNIT.isZero()) {
        focus = Focus::None;
        return true;
    }
    prompter.tell(incompleteMessage());
    focus = Focus::TotalVolume;
    return false;
}

bool CostCalculator::closePressed(Prompter &prompter, Focus &focus)
{
    focus = Focus::None;
    if (m_printChosen || m_globals.cost.TOTALCOST <= Decimal())
        return true;
    // Only "No" closes: a box closed without an answer keeps the figures on show.
    if (prompter.ask(printQuestion()) == 2)
        return true;
    focus = Focus::Print;
    return false;
}

void CostCalculator::closing() { clearOnClose(m_globals.cost); }

} // namespace cost
