#pragma once
// The standard label window (Win_CreateStandardLabels): how many labels, and
// whether the heading is the kit/recipe name or the batch name, with a preview
// of the label's top. Print runs the standard label report; the window stays.

#include "screens/labels/standardlabelslogic.h"

#include <QDialog>
#include <functional>
#include <memory>

class IntSpinBox;
class QLabel;
class QPushButton;

class Win_CreateStandardLabels : public QDialog, private StandardLabelsView
{
    Q_OBJECT
public:
    Win_CreateStandardLabels(
        std::function<void()> print, QWidget *parent = nullptr, Prompter *prompter = nullptr, Globals &globals = glo());
    ~Win_CreateStandardLabels() override;

    const StandardLabelsLogic &logic() const { return *m_logic; }

private:
    void refresh() override;
    void enableKitRecipe(bool enabled) override;

    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<StandardLabelsLogic> m_logic;
    std::function<void()> m_print;
    QPushButton *m_kitRecipe = nullptr;
    IntSpinBox *m_count = nullptr;
    QLabel *m_heading = nullptr;
    QLabel *m_batch = nullptr;
    QLabel *m_pages = nullptr;
    QLabel *m_labels = nullptr;
};
