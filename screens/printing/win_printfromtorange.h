#pragma once
// "Select a Print Range....": the batch range of the range report. " &Print" checks
// the range, closes the window and starts the report; one instance at a time.

#include "screens/printing/printfromtorangelogic.h"

#include <QDialog>

class IntSpinBox;
class QPushButton;

class Win_PrintFromToRange : public QDialog, private PrintFromToRangeLogic::View
{
    Q_OBJECT
public:
    static constexpr const char *kProcedure = "Win_PrintFromToRange";

    Win_PrintFromToRange(Prompter &prompter, QWidget *parent = nullptr);

    // Opens the window (or brings the open one to the front); after " &Print" starts the report.
    static void call(Prompter &prompter, QWidget *parent);

    IntSpinBox *fromBox() const { return m_from; }
    IntSpinBox *toBox() const { return m_to; }
    QPushButton *printButton() const { return m_print; }

private:
    void focusFrom() override;
    void print();

    PrintFromToRangeLogic m_logic;
    IntSpinBox *m_from = nullptr;
    IntSpinBox *m_to = nullptr;
    QPushButton *m_print = nullptr;
};
