#include "screens/preferences/win_setprgdefaults.h"

#include "records/globals.h"
#include "screens/help/helpsystem.h"
#include "screens/windowing/windowhost.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using Pref = ProgramDefaultsLogic::Pref;

namespace
{

QLabel *note(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setWordWrap(true);
    return l;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

Win_SetPrgDefaults::Win_SetPrgDefaults(
    Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent)
    : QDialog(parent)
    , m_logic(prompter, *this, std::move(countBrews))
{
    setWindowTitle(QStringLiteral("Program defaults..."));
    auto *layout = new QVBoxLayout(this);

    // Measurements: to be set before any brew is logged.
    auto *measurements = new QGroupBox(this);
    auto *mLayout = new QVBoxLayout(measurements);
    mLayout->addWidget(heading(QStringLiteral("Measurements"), measurements));
    mLayout->addWidget(note(QStringLiteral("Important - This should be done first!"), measurements));
    auto *optionRow = new QHBoxLayout;
    const struct {
        Pref pref;
        const char *title, *one, *zero;
    } options[] = {
        { Pref::Units, "Units", "&Metric", "Imperial/&US" },
        { Pref::Temp, "Temperature (C or F)", "&Celsius", "&Fahrenheit" },
        { Pref::Alc, "% Alc based on...", "abv  (% alcohol by &Volume)", "abw  (% alcohol by &Weight)" },
    };
    for (const auto &o : options) {
        auto *box = new QGroupBox(QString::fromUtf8(o.title), measurements);
        auto *bl = new QVBoxLayout(box);
        auto *one = new QRadioButton(QString::fromUtf8(o.one), box);
        auto *zero = new QRadioButton(QString::fromUtf8(o.zero), box);
        for (QRadioButton *r : { one, zero }) {
            r->setToolTip(QStringLiteral("Once initially set should not be changed."));
            bl->addWidget(r);
        }
        optionRow->addWidget(box);
        const Pref pref = o.pref;
        connect(one, &QRadioButton::toggled, this, [this, pref](bool on) {
            if (on)
                m_logic.set(pref, 1);
        });
        connect(zero, &QRadioButton::toggled, this, [this, pref](bool on) {
            if (on)
                m_logic.set(pref, 0);
        });
        m_options.push_back({ pref, one, zero });
    }
    mLayout->addLayout(optionRow);
    layout->addWidget(measurements);

    // Preferences: free to change at any time.
    auto *preferences = new QGroupBox(this);
    auto *pLayout = new QVBoxLayout(preferences);
    pLayout->addWidget(heading(QStringLiteral("Preferences"), preferences));
    pLayout->addWidget(note(QStringLiteral("These options can be changed at any time."), preferences));
    auto addCheck = [&](Pref pref, const QString &text) {
        auto *c = new QCheckBox(text, preferences);
        pLayout->addWidget(c);
        connect(c, &QCheckBox::toggled, this, [this, pref](bool on) { m_logic.set(pref, on ? 1 : 0); });
        m_checks.emplace_back(pref, c);
        return c;
    };
    addCheck(
        Pref::OpenBrowse, QStringLiteral("&Always open at the 'Browse Brews' window when the program is first run."))
        ->setToolTip(QStringLiteral("Can be changed anytime."));
    addCheck(Pref::OpenAtStock, QStringLiteral("&Display All Brews when the Browse Brews is opened."));
    pLayout->addWidget(note(QStringLiteral("(UN-Tick for in stock only)"), preferences));
    addCheck(Pref::TipFlag, QStringLiteral("Display &ToolTips."))
        ->setToolTip(QStringLiteral("This is a Tooltip  (Popup help message)"));
    pLayout->addWidget(note(QStringLiteral("What's a ToolTip?   Its a popup message that appears when you hover the "
                                           "mouse pointer over a control."),
        preferences));
    pLayout->addWidget(
        note(QStringLiteral("Recommended until you are familiar with all the programs controls."), preferences));
    addCheck(Pref::Override, QStringLiteral("Override the primary 'Fermentation' calculation (found in Edit Brews)."));
    pLayout->addWidget(note(QStringLiteral("The program will calculate the primary fermentation period based on the "
                                           "Date Down and Date Bottled."),
        preferences));
    pLayout->addWidget(note(QStringLiteral("If you wish to always enter your own value here then tick to disallow "
                                           "auto calculation by the program."),
        preferences));
    layout->addWidget(preferences);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("For more details please select the 'Help' button   >"), this));
    buttons->addStretch();
    m_ok = new QPushButton(QStringLiteral("&OK"), this);
    m_ok->setToolTip(QStringLiteral("Save Defaults"));
    m_ok->setDefault(true);
    m_help = new QPushButton(QStringLiteral("&Help"), this);
    m_help->setToolTip(QStringLiteral("Help about this window."));
    m_help->setAutoDefault(false);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_help);
    layout->addLayout(buttons);

    m_ok->installEventFilter(this);
    connect(m_ok, &QPushButton::clicked, this, [this] { m_logic.ok(); });
    connect(m_help, &QPushButton::clicked, this, [] {
        if (HelpSystem *help = HelpSystem::instance())
            help->showKeyword(QStringLiteral("Program defaults"));
    });

    m_logic.open();
}

Win_SetPrgDefaults::~Win_SetPrgDefaults() = default;

void Win_SetPrgDefaults::call(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent)
{
    WindowHost::callOnce(
        kProcedure, [&] { return std::make_unique<Win_SetPrgDefaults>(prompter, countBrews, parent); });
}

bool Win_SetPrgDefaults::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_ok && event->type() == QEvent::FocusIn)
        m_logic.okFocused();
    return QDialog::eventFilter(watched, event);
}

QRadioButton *Win_SetPrgDefaults::radio(Pref pref, int value) const
{
    for (const Option &o : m_options)
        if (o.pref == pref)
            return value ? o.one : o.zero;
    return nullptr;
}

QCheckBox *Win_SetPrgDefaults::check(Pref pref) const
{
    for (const auto &[p, c] : m_checks)
        if (p == pref)
            return c;
    return nullptr;
}

void Win_SetPrgDefaults::refresh()
{
    for (const Option &o : m_options) {
        const std::uint8_t v = ProgramDefaultsLogic::value(o.pref);
        // A stored value other than 0 or 1 ticks neither option.
        QSignalBlocker b1(o.one), b2(o.zero);
        o.one->setAutoExclusive(false);
        o.zero->setAutoExclusive(false);
        o.one->setChecked(v == 1);
        o.zero->setChecked(v == 0);
        o.one->setAutoExclusive(true);
        o.zero->setAutoExclusive(true);
    }
    for (const auto &[pref, c] : m_checks) {
        QSignalBlocker b(c);
        c->setChecked(ProgramDefaultsLogic::value(pref) == 1);
    }
}

void Win_SetPrgDefaults::focusAlcohol() { radio(Pref::Alc, 1)->setFocus(Qt::OtherFocusReason); }

Win_SetPrgDefaultsYN::Win_SetPrgDefaultsYN(
    Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent)
    : QDialog(parent)
    , m_prompter(prompter)
    , m_countBrews(std::move(countBrews))
    , m_logic(prompter, *this)
{
    setWindowTitle(QStringLiteral("Important..."));
    auto *layout = new QVBoxLayout(this);
    const char *texts[] = { "Before you log any brews you need to set the programs defaults.",
        "Do you use Metric or Imperial/US measurements?", "Set the programs defaults now ?   (Yes recommended)",
        "Select 'Defaults done' to save your settings or 'Do Later' to abort?." };
    for (int i = 0; i < 4; ++i) {
        m_texts[i] = new QLabel(QString::fromUtf8(texts[i]), this);
        layout->addWidget(m_texts[i]);
    }
    m_texts[3]->hide();
    // Holds GLO:SETDEFAULTSYN; never shown to the user.
    m_dontShow = new QCheckBox(QStringLiteral("Don't show this message again."), this);
    m_dontShow->setChecked(glo().SETDEFAULTSYN == 1);
    m_dontShow->hide();
    layout->addWidget(m_dontShow);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    m_yes = new QPushButton(QStringLiteral("&Yes"), this);
    m_yes->setToolTip(QStringLiteral("Set defaults"));
    m_done = new QPushButton(QStringLiteral("&Defaults Done. (Save)"), this);
    m_done->setToolTip(QStringLiteral("Save default settings"));
    m_done->hide();
    m_later = new QPushButton(QStringLiteral("Do &Later"), this);
    m_later->setToolTip(QStringLiteral("Abort"));
    for (QPushButton *b : { m_yes, m_done, m_later })
        buttons->addWidget(b);
    layout->addLayout(buttons);
    m_yes->setDefault(true);

    connect(m_yes, &QPushButton::clicked, this, [this] { m_logic.yes(); });
    connect(m_done, &QPushButton::clicked, this, [this] { m_logic.defaultsDone(); });
    connect(m_later, &QPushButton::clicked, this, [this] { m_logic.doLater(); });
}

void Win_SetPrgDefaultsYN::call(Prompter &prompter, ProgramDefaultsLogic::BrewCounter countBrews, QWidget *parent)
{
    WindowHost::callOnce(
        kProcedure, [&] { return std::make_unique<Win_SetPrgDefaultsYN>(prompter, countBrews, parent); });
}

void Win_SetPrgDefaultsYN::done(int result)
{
    // However the prompt closes (its buttons, the close box, Escape), the answer is written once.
    if (!m_closed) {
        m_closed = true;
        m_dontShow->setChecked(glo().SETDEFAULTSYN == 1);
        m_logic.closing();
    }
    QDialog::done(result);
}

void Win_SetPrgDefaultsYN::showSecondStep()
{
    for (int i = 0; i < 3; ++i)
        m_texts[i]->hide();
    m_yes->hide();
    m_texts[3]->show();
    m_done->show();
    m_done->setDefault(true);
    // The hidden "&Yes" would hand its focus to "Do &Later", and Enter would then abort.
    m_done->setFocus(Qt::OtherFocusReason);
}

void Win_SetPrgDefaultsYN::runDefaultsWindow() { Win_SetPrgDefaults::call(m_prompter, m_countBrews, this); }
