#pragma once
// Rpt_CSV_BrewFile on screen: the field-identifier page of the brew the export is about to
// write, in a print preview that zooms, pages and prints.

class QWidget;

// The brew of the CSV record selector; a brew that cannot be read is reported.
void showCsvBrewFileReport(QWidget *parent);
