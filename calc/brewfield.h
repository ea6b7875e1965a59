#pragma once
// The controls of the brew edit form that a brewing rule can send the focus to.
// Rules return one of these; the form maps it onto its own widgets.

enum class BrewField {
    None, // the focus stays where it is
    BatchNumber,
    BrewKit,
    DateDown,
    DateDownCalendar,
    OriginalGravity,
    DateBottled,
    DateBottledCalendar,
    MinUse,
    MaxUse,
    BrewPeriod,
    FinalGravity,
    EstimatedAlc,
    CalculateAlc, // the "Calculat&e Alc%" button
    BrewCost,
};
