#pragma once
// The rules of the standard label window (Win_CreateStandardLabels): the heading
// taken from the kit/recipe name or the batch name, with its messages.

#include "screens/labels/labelwindowlogic.h"

class StandardLabelsView : public LabelWindowView
{
public:
    virtual void enableKitRecipe(bool enabled) = 0;
};

class StandardLabelsLogic : public LabelWindowLogic
{
public:
    StandardLabelsLogic(Prompter &prompter, StandardLabelsView &view, Globals &globals = glo());

    // LOC:BATCHNAME, the heading shown and printed.
    QString batchName() const { return m_batchName; }
    // LOC:PRINTBATCH: "Brew Batch No. 7".
    QString printBatch() const { return m_printBatch; }

    // Opening: 8 labels unless counted, the kit/recipe name as heading, "Kit/Recipe" disabled.
    void open() override;
    void kitRecipe();
    void batch();

    static QString printBatchFor(int batchNumber);
    static Message alreadyKitMessage();
    static Message alreadyBatchMessage();
    static Message noBatchNameMessage();

private:
    StandardLabelsView &m_standardView;
    QString m_batchName;
    QString m_printBatch;
};
