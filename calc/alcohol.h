#pragma once
// Alcohol from gravity readings: the estimate stored with a brew (edit form)
// and the four figures of the alcohol calculator. The two differ in the places
// at which they round, and both are kept exactly as brewers know them.

#include "calc/brewfield.h"
#include "platform/decimal.h"
#include "platform/prompter.h"

#include <optional>

struct BrewRecord;

namespace alcohol
{

// Gravity points (thousandths) per percent alcohol by volume: 7.5.
Decimal pointsPerPercent();
// Alcohol by weight = alcohol by volume x 0.8.
Decimal weightFactor();
// Bottle-conditioning allowance: 0.5 by volume, 0.4 by weight.
Decimal allowance(bool byVolume);

// Hydrometer range in the calculator: 0.900 .. 1.200, and its step 0.001.
Decimal minGravity();
Decimal maxGravity();
Decimal gravityStep();

// The stored estimate for readings in thousandths (1050, 1010): the drop over
// 7.5 held to four places, then by volume or x 0.8 by weight, plus the
// allowance when asked, stored with two places. nullopt when FG is not below OG.
std::optional<Decimal> storedEstimate(int originalGravity, int finalGravity, bool byVolume, bool addAllowance);

// The bottle-fermentation question asked before the estimate is stored.
Message bottleQuestion(bool byVolume);

// Stores ALE:ESTIMATEDALC for the brew from its two readings (GLO:ALCBASEDON
// given as byVolume). Asks the bottle question; a closed box leaves the field
// as it was. Tells "Done..." when a previous figure above 0 was changed.
// Computes nothing when FG is not below OG. Returns true when the field changed.
bool updateEstimatedAlc(BrewRecord &brew, bool byVolume, Prompter &prompter);

struct CalculateResult {
    bool calculated = false; // the readings passed and the estimate ran
    BrewField focus = BrewField::None; // where the form puts the focus
};

// The edit form's "Calculat&e Alc%" button: checks that both readings are there
// and FG is below OG (otherwise a message, ALE:ESTIMATEDALC := 0 and the reading
// to mend as focus), then updateEstimatedAlc. When `calculated`, the form
// remembers the two gravities as those the alcohol was computed from.
CalculateResult calculateButton(BrewRecord &brew, bool byVolume, Prompter &prompter);

// The calculator's four figures from two readings with three decimals.
struct Figures {
    Decimal gravityDiff; // OG - FG, three places
    Decimal abv; // diff x 1000 / 7.5, two places
    Decimal abw; // abv x 0.8 (from the two-place abv), two places
    Decimal abvBottle; // abv + 0.5
    Decimal abwBottle; // abw + 0.4
    friend bool operator==(const Figures &, const Figures &) = default;
};
Figures calculatorFigures(Decimal og, Decimal fg);

// The alcohol calculator window's values and the checks run after every typed
// or stepped reading: a reading is pulled back to the other reading first, then
// into the hydrometer range, each with its message. The window never refuses input.
class Calculator
{
public:
    Calculator(); // opens at OG 1.035, FG 1.005

    Decimal og() const { return m_og; }
    Decimal fg() const { return m_fg; }
    const Figures &figures() const { return m_figures; }

    void setOg(Decimal value, Prompter &prompter); // typed; held to three places
    void setFg(Decimal value, Prompter &prompter);
    void stepOg(int direction, Prompter &prompter); // +1 plus button, -1 minus button
    void stepFg(int direction, Prompter &prompter);

private:
    void checkOg(Prompter &prompter);
    void checkFg(Prompter &prompter);
    void keepInRange(Decimal &reading, Prompter &prompter);

    Decimal m_og;
    Decimal m_fg;
    Figures m_figures;
};

} // namespace alcohol
