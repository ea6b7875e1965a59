#pragma once
// The program defaults window (Win_SetPrgDefaults, caption "Program defaults...")
// and the first-run prompt (Win_SetPrgDefaultsYN, caption "Important..."). Both
// are called modally; their rules are in programdefaultslogic.h.

#include "screens/preferences/programdefaultslogic.h"
#include "screens/windowing/tooltipswitch.h"

#include <QDialog>
#include <memory>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

class Win_SetPrgDefaults : public QDialog, private ProgramDefaultsView
{
public:
    static inline const QString kProcedure = QStringLiteral("Win_SetPrgDefaults");

    Win_SetPrgDefaults(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent = nullptr);
    ~Win_SetPrgDefaults() override;

    // Opens the window as the single instance and waits until it closes.
    static void call(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent);

    QRadioButton *radio(ProgramDefaultsLogic::Pref pref, int value) const;
    QCheckBox *check(ProgramDefaultsLogic::Pref pref) const;
    QPushButton *okButton() const { return m_ok; }
    QPushButton *helpButton() const { return m_help; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refresh() override;
    void focusAlcohol() override;
    void closeWindow() override { accept(); }
    void applyTooltips(bool on) override { TooltipSwitch::apply(on); }

    ProgramDefaultsLogic m_logic;
    struct Option {
        ProgramDefaultsLogic::Pref pref;
        QRadioButton *one; // value 1
        QRadioButton *zero; // value 0
    };
    std::vector<Option> m_options;
    std::vector<std::pair<ProgramDefaultsLogic::Pref, QCheckBox *>> m_checks;
    QPushButton *m_ok;
    QPushButton *m_help;
};

class Win_SetPrgDefaultsYN : public QDialog, private FirstRunView
{
public:
    static inline const QString kProcedure = QStringLiteral("Win_SetPrgDefaultsYN");

    Win_SetPrgDefaultsYN(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent = nullptr);

    static void call(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent);

    QPushButton *yesButton() const { return m_yes; }
    QPushButton *doneButton() const { return m_done; }
    QPushButton *laterButton() const { return m_later; }
    QLabel *text(int n) const { return m_texts[n - 1]; }

    void done(int result) override;

private:
    void showSecondStep() override;
    void runDefaultsWindow() override;
    void closeWindow() override { accept(); }

    Prompter &m_prompter;
    ProgramDefaultsLogic::BrewCounter m_countBrews;
    FirstRunLogic m_logic;
    QLabel *m_texts[4];
    QPushButton *m_yes;
    QPushButton *m_done;
    QPushButton *m_later;
    QCheckBox *m_dontShow;
    bool m_closed = false;
};
