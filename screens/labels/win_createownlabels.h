#pragma once
// The own-label window (Win_CreateOwnLabels): a heading, a body line and five
// lines typed or taken from the brew, with a preview of the label as it will
// print. Print runs the own-label report; the window stays.

#include "screens/labels/ownlabelslogic.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class IntSpinBox;
class QLabel;
class QLineEdit;

class Win_CreateOwnLabels : public QDialog, private LabelWindowView
{
    Q_OBJECT
public:
    Win_CreateOwnLabels(
        std::function<void()> print, QWidget *parent = nullptr, Prompter *prompter = nullptr, Globals &globals = glo());
    ~Win_CreateOwnLabels() override;

    const OwnLabelsLogic &logic() const { return *m_logic; }

private:
    void refresh() override;

    std::unique_ptr<Prompter> m_ownPrompter;
    std::unique_ptr<OwnLabelsLogic> m_logic;
    std::function<void()> m_print;
    IntSpinBox *m_count = nullptr;
    QLineEdit *m_header = nullptr;
    QLineEdit *m_body = nullptr;
    std::array<QLineEdit *, 5> m_lines {};
    QLabel *m_previewHeader = nullptr;
    QLabel *m_previewBody = nullptr;
    std::array<QLabel *, 5> m_previewLines {};
    QLabel *m_pages = nullptr;
    QLabel *m_labels = nullptr;
};
