#pragma once
// Opening the two label windows from the brew browse. Each is called on the
// browse and exists once; `print` runs its report for the browse's brew.

#include <functional>

class QWidget;

void openCreateStandardLabels(QWidget *parent, std::function<void()> print); // Win_CreateStandardLabels
void openCreateOwnLabels(QWidget *parent, std::function<void()> print); // Win_CreateOwnLabels
