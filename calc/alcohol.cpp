#include "calc/alcohol.h"

#include "records/brewrecord.h"

namespace alcohol
{

namespace
{

const QString kCannotCalculate = QStringLiteral("Can not calculate!");
const QString kOutOfRange = QStringLiteral("Out of Range...");

Message outOfRange(const QString &text) { return Message { kOutOfRange, text, MessageIcon::Information, {}, 1 }; }

} // namespace

Decimal pointsPerPercent() { return Decimal::fromScaled(75, 1); }
Decimal weightFactor() { return Decimal::fromScaled(8, 1); }
Decimal allowance(bool byVolume) { return Decimal::fromScaled(byVolume ? 5 : 4, 1); }
Decimal minGravity() { return Decimal::fromScaled(900, 3); }
Decimal maxGravity() { return Decimal::fromScaled(1200, 3); }
Decimal gravityStep() { return Decimal::fromScaled(1, 3); }

std::optional<Decimal> storedEstimate(int originalGravity, int finalGravity, bool byVolume, bool addAllowance)
{
    if (finalGravity >= originalGravity)
        return std::nullopt;
    const Decimal drop = Decimal(originalGravity - finalGravity).rounded(4);
    // The quotient is held to four places before either figure is taken from it,
    // so the by-weight figure comes from 5.3333, not from a two-place 5.33.
    const Decimal q = (drop / pointsPerPercent()).rounded(4);
    Decimal value = byVolume ? q : q * weightFactor();
    if (addAllowance)
        value += allowance(byVolume);
    return value.rounded(2);
}

Message bottleQuestion(bool byVolume)
{
    if (byVolume)
        return Message { QStringLiteral("% Alcohol by Volume (abv)"),
            QStringLiteral("Bottle fermentation.||Do you wish to add 0.5% |for the second fermentation?"),
            MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
    return Message { QStringLiteral("% Alcohol by Weight (abw)"),
        QStringLiteral("Bottle fermentation.||Do you wish to add 0.4% |for the second fermentation ?"),
        MessageIcon::Question, QStringLiteral("&Yes|&No"), 1 };
}

bool updateEstimatedAlc(BrewRecord &brew, bool byVolume, Prompter &prompter)
{
    const Decimal previous = brew.ESTIMATEDALC;
    if (brew.FINALGRAVITY < brew.ORIGINALGRAVITY) {
        const int answer = prompter.ask(bottleQuestion(byVolume));
        // Only a real choice stores a figure; a box closed without one leaves the field.
        if (answer == 1 || answer == 2)
            brew.ESTIMATEDALC = *storedEstimate(brew.ORIGINALGRAVITY, brew.FINALGRAVITY, byVolume, answer == 1);
    }
    if (previous > Decimal() && previous != brew.ESTIMATEDALC)
        prompter.tell(Message { QStringLiteral("Done..."),
            QStringLiteral("Updating alcohol % from ") + previous.toPlainText() + QStringLiteral(" to ")
                + brew.ESTIMATEDALC.toPlainText(),
            MessageIcon::Information, {}, 1 });
    return previous != brew.ESTIMATEDALC;
}

CalculateResult calculateButton(BrewRecord &brew, bool byVolume, Prompter &prompter)
{
    auto refuse = [&](const QString &text, BrewField focus) {
        prompter.tell(Message { kCannotCalculate, text, MessageIcon::Warning, {}, 1 });
        brew.ESTIMATEDALC = Decimal();
        return CalculateResult { false, focus };
    };
    if (brew.ORIGINALGRAVITY <= 0)
        return refuse(QStringLiteral("Need Start S.G. (Original Gravity)"), BrewField::OriginalGravity);
    if (brew.FINALGRAVITY <= 0)
        return refuse(QStringLiteral("Need Final S.G. (Final Gravity)"), BrewField::FinalGravity);
    if (brew.ORIGINALGRAVITY <= brew.FINALGRAVITY)
        return refuse(QStringLiteral("The Final Gravity must be less than the Original.||Final Gravity:     ")
                + QString::number(brew.FINALGRAVITY) + QStringLiteral("|Original Gravity: ")
                + QString::number(brew.ORIGINALGRAVITY),
            BrewField::FinalGravity);
    updateEstimatedAlc(brew, byVolume, prompter);
    return CalculateResult { true, BrewField::None };
}

Figures calculatorFigures(Decimal og, Decimal fg)
{
    Figures f;
    f.gravityDiff = (og - fg).rounded(3);
    f.abv = (f.gravityDiff * Decimal(1000) / pointsPerPercent()).rounded(2);
    // From the two-place by-volume figure, unlike the stored estimate.
    f.abw = (f.abv * weightFactor()).rounded(2);
    f.abvBottle = (f.abv + allowance(true)).rounded(2);
    f.abwBottle = (f.abw + allowance(false)).rounded(2);
    return f;
}

Calculator::Calculator()
    : m_og(Decimal::fromScaled(1035, 3))
    , m_fg(Decimal::fromScaled(1005, 3))
    , m_figures(calculatorFigures(m_og, m_fg))
{
}

void Calculator::setOg(Decimal value, Prompter &prompter)
{
    m_og = value.rounded(3);
    checkOg(prompter);
}

void Calculator::setFg(Decimal value, Prompter &prompter)
{
    m_fg = value.rounded(3);
    checkFg(prompter);
}

void Calculator::stepOg(int direction, Prompter &prompter)
{
    m_og += direction < 0 ? -gravityStep() : gravityStep();
    checkOg(prompter);
}

void Calculator::stepFg(int direction, Prompter &prompter)
{
    m_fg += direction < 0 ? -gravityStep() : gravityStep();
    checkFg(prompter);
}

void Calculator::checkOg(Prompter &prompter)
{
    if (m_og < m_fg) {
        m_og = m_fg;
        prompter.tell(outOfRange(QStringLiteral("The Original Gravity can not be less than the Final.")));
    }
    keepInRange(m_og, prompter);
    m_figures = calculatorFigures(m_og, m_fg);
}

void Calculator::checkFg(Prompter &prompter)
{
    if (m_fg > m_og) {
        m_fg = m_og;
        prompter.tell(outOfRange(QStringLiteral("The Final Gravity can not exceed the Original.")));
    }
    keepInRange(m_fg, prompter);
    m_figures = calculatorFigures(m_og, m_fg);
}

void Calculator::keepInRange(Decimal &reading, Prompter &prompter)
{
    const Decimal low = minGravity();
    const Decimal high = maxGravity();
    if (reading >= low && reading <= high)
        return;
    reading = reading < low ? low : high;
    prompter.tell(outOfRange(QStringLiteral("The Hydrometer Range is 0.900 to 1.200")));
}

} // namespace alcohol
