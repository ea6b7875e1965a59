#include "screens/brews/brewform.h"

#include "platform/clock.h"
#include "platform/gui/desktopcalculator.h"
#include "platform/picture.h"
#include "records/brewstable.h"
#include "records/kitstable.h"
#include "screens/calculators/win_alccalculator.h"
#include "screens/calculators/win_calculatecost.h"
#include "screens/calculators/win_sugaralc.h"
#include "screens/help/helpsystem.h"
#include "screens/help/helpwindow.h"
#include "screens/widgets/artwork.h"
#include "screens/widgets/datepicker.h"
#include "screens/widgets/datespinbox.h"
#include "screens/widgets/decimalspinbox.h"
#include "screens/widgets/intspinbox.h"
#include "screens/widgets/notesedit.h"
#include "screens/windowing/fieldhistory.h"
#include "screens/windowing/formbinder.h"
#include "screens/windowing/windowcatalogue.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

// The name a control carries: its field's name, or the name of the button.
QString nameOf(BrewControl id)
{
    static const QHash<BrewControl, QString> names = {
        { BrewControl::BATCHNUMBER, "BATCHNUMBER" },
        { BrewControl::BREWKIT, "BREWKIT" },
        { BrewControl::BREWBATCHNAME, "BREWBATCHNAME" },
        { BrewControl::BREWSUGARTYPE, "BREWSUGARTYPE" },
        { BrewControl::BREWSUGARKG, "BREWSUGARKG" },
        { BrewControl::WATERVOLUMELTR, "WATERVOLUMELTR" },
        { BrewControl::YEAST, "YEAST" },
        { BrewControl::DATEDOWN, "DATEDOWN" },
        { BrewControl::DateDownCalendar, "DateDownCalendar" },
        { BrewControl::ORIGINALGRAVITY, "ORIGINALGRAVITY" },
        { BrewControl::SPAREFIELD1, "SPAREFIELD1" },
        { BrewControl::STOCKONHAND, "STOCKONHAND" },
        { BrewControl::ADDITIVE1, "ADDITIVE1" },
        { BrewControl::ADDITIVE2, "ADDITIVE2" },
        { BrewControl::ADDITIVE3, "ADDITIVE3" },
        { BrewControl::ADDITIVE4, "ADDITIVE4" },
        { BrewControl::ADDITIVE5, "ADDITIVE5" },
        { BrewControl::PrimeFermentation, "PrimeFermentation" },
        { BrewControl::PRIMERSUGARTYPE, "PRIMERSUGARTYPE" },
        { BrewControl::PRIMERSUGARKG, "PRIMERSUGARKG" },
        { BrewControl::BREWTEMP, "BREWTEMP" },
        { BrewControl::DATEBOTTLED, "DATEBOTTLED" },
        { BrewControl::DateBottledCalendar, "DateBottledCalendar" },
        { BrewControl::FermentationText, "FermentationText" },
        { BrewControl::MINUSE, "MINUSE" },
        { BrewControl::MinUseCalendar, "MinUseCalendar" },
        { BrewControl::MinUseText, "MinUseText" },
        { BrewControl::MAXUSE, "MAXUSE" },
        { BrewControl::MaxUseCalendar, "MaxUseCalendar" },
        { BrewControl::MaxUseText, "MaxUseText" },
        { BrewControl::BREWPERIOD, "BREWPERIOD" },
        { BrewControl::BREWPERIOD2, "BREWPERIOD2" },
        { BrewControl::FINALGRAVITY, "FINALGRAVITY" },
        { BrewControl::SPAREFIELD2, "SPAREFIELD2" },
        { BrewControl::ESTIMATEDALC, "ESTIMATEDALC" },
        { BrewControl::CalculateAlc, "CalculateAlc" },
        { BrewControl::SugarAlc, "SugarAlc" },
        { BrewControl::AlcCalculator, "AlcCalculator" },
        { BrewControl::PrimeBottling, "PrimeBottling" },
        { BrewControl::APPEARANCE, "APPEARANCE" },
        { BrewControl::AROMA, "AROMA" },
        { BrewControl::TASTE, "TASTE" },
        { BrewControl::Reset, "Reset" },
        { BrewControl::SPAREFIELD4, "SPAREFIELD4" },
        { BrewControl::CalculateCost, "CalculateCost" },
        { BrewControl::BREWCOST, "BREWCOST" },
        { BrewControl::NOTES, "NOTES" },
        { BrewControl::NOTESBIG, "NOTESBIG" },
        { BrewControl::OK, "OK" },
        { BrewControl::Cancel, "Cancel" },
        { BrewControl::Help, "Help" },
        { BrewControl::Calculator, "Calculator" },
    };
    return names.value(id);
}

// Room for the longest value a spin box shows, with its arrows.
int spinWidth(const QWidget *spin, const QString &sample) { return spin->fontMetrics().horizontalAdvance(sample) + 44; }

QLabel *text(const QString &t, QWidget *parent = nullptr)
{
    auto *l = new QLabel(t, parent);
    l->setTextFormat(Qt::PlainText);
    return l;
}

// "=" and the value it leads to, side by side whatever the width of their column.
QWidget *equals(QLabel *value)
{
    auto *pair = new QWidget;
    auto *row = new QHBoxLayout(pair);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(text(QStringLiteral("=")));
    row->addWidget(value);
    row->addStretch();
    return pair;
}

} // namespace

BrewForm::BrewForm(FormRequest request, BrewsTable &table, Prompter &prompter, QWidget *parent)
    : QDialog(parent)
    , m_logic(std::make_unique<UpdateBrewsLogic>(request, table, prompter, static_cast<UpdateBrewsView &>(*this)))
    , m_table(table)
{
    setObjectName(kProcedure);
    setSizeGripEnabled(true);
    m_picker = [this](date::Day start) { return DatePicker::pick(this, start); };
    m_costCalculator = [this] { WindowCatalogue::instance().open(Win_CalculateCost::kProcedure, this); };
    m_binder = new FormBinder(this);
    m_binder->onAccepted = [this](int id) { m_logic->changed(BrewControl(id)); };
    m_binder->onStepped = [this](int id) { m_logic->spun(BrewControl(id)); };
    m_binder->onRefused = [this](int id) { m_logic->refused(BrewControl(id)); };
    m_binder->onFocusIn = [this](int id) { m_logic->focusIn(BrewControl(id)); };

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Tabs"));
    m_tabs->addTab(buildFermentation(), QStringLiteral("&Fermentation"));
    m_tabs->addTab(buildBottling(), QStringLiteral("&Bottle Conditioning"));
    m_tabs->addTab(buildTasting(), QStringLiteral("&Tasting/Cost"));
    m_tabs->addTab(
        buildNotes(BrewControl::NOTES, QStringLiteral("Max. 1,000 characters")), QStringLiteral("&Notes (Brief)"));
    m_tabs->addTab(buildNotes(BrewControl::NOTESBIG, QStringLiteral("Max. 15,000 characters")),
        QStringLiteral("Notes (Detailed)"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttonRow());

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!m_refreshing)
            m_logic->tabChanged(static_cast<BrewTab>(index));
    });
    // Ctrl+Tab turns the pages from anywhere in the form. The tab sheet alone only sees the key while
    // the focus is on one of its pages, and the frame's window area takes Ctrl+Tab from every window
    // above it to step through its own child windows, so without these the key did nothing here.
    auto *next = new QShortcut(QKeySequence::NextChild, this, this, [this] { turnPage(1); });
    next->setContext(Qt::WidgetWithChildrenShortcut);
    auto *previous = new QShortcut(QKeySequence::PreviousChild, this, this, [this] { turnPage(-1); });
    previous->setContext(Qt::WidgetWithChildrenShortcut);

    FieldHistory::enable(this, kProcedure, [this](QWidget *field) {
        const BrewControl id = controlOf(field);
        if (id != BrewControl::None)
            m_binder->accept(int(id));
    });
}

BrewForm::~BrewForm()
{
    // The rules go before the dialog hides itself, and hiding still moves the focus out of a field.
    m_binder->stop();
}

void BrewForm::turnPage(int step)
{
    const int count = m_tabs->count();
    int index = m_tabs->currentIndex();
    for (int tried = 0; tried < count; ++tried) {
        index = (index + step + count) % count;
        if (m_tabs->isTabEnabled(index))
            break;
    }
    QWidget *focus = QApplication::focusWidget();
    const bool onPage = focus && m_tabs->isAncestorOf(focus);
    if (!onPage) {
        m_tabs->setCurrentIndex(index);
        return; // the buttons below the tabs keep the focus
    }
    // Leave the field first, as a click on a tab does, so that hiding its page does not hand the
    // focus on to some control of the new page whose focus rules would then run.
    m_tabs->tabBar()->setFocus(Qt::TabFocusReason);
    m_tabs->setCurrentIndex(index);
    // The field that had the focus is hidden now: the first field of the new page takes it over.
    QWidget *page = m_tabs->currentWidget();
    for (QWidget *w = page->nextInFocusChain(); w && w != page; w = w->nextInFocusChain()) {
        if (page->isAncestorOf(w) && w->isVisibleTo(this) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    m_tabs->tabBar()->setFocus(Qt::TabFocusReason);
}

bool BrewForm::start(const BrewRecord &row)
{
    if (!m_logic->open(row))
        return false;
    setWindowTitle(m_logic->caption());
    if (m_logic->readOnly()) {
        // Only the tabs, Cancel, Help and the calculator stay usable; the notes can still be read.
        for (const auto &[control, id] : m_binder->controls()) {
            auto *w = const_cast<QWidget *>(control);
            switch (BrewControl(id)) {
            case BrewControl::Cancel:
            case BrewControl::Help:
            case BrewControl::Calculator:
            case BrewControl::FermentationText:
            case BrewControl::MinUseText:
            case BrewControl::MaxUseText:
                break;
            case BrewControl::NOTES:
            case BrewControl::NOTESBIG:
                static_cast<NotesEdit *>(w)->setReadOnly(true);
                break;
            default:
                w->setEnabled(false);
            }
        }
    }
    refresh();
    return true;
}

BrewControl BrewForm::controlOf(const QWidget *widget) const
{
    const int id = m_binder->idOf(widget);
    return id < 0 ? BrewControl::None : BrewControl(id);
}

QWidget *BrewForm::control(BrewControl control) const { return m_binder->widget(int(control)); }

QLabel *BrewForm::prompt(BrewControl control) const { return m_prompts.value(control); }

// ---- building

template <class W> W *BrewForm::named(BrewControl id, W *widget)
{
    widget->setObjectName(nameOf(id));
    return widget;
}

QLabel *BrewForm::promptFor(const QString &t, BrewControl buddy)
{
    auto *label = new QLabel(t);
    if (QWidget *w = control(buddy)) {
        label->setBuddy(w);
        m_prompts.insert(buddy, label);
    }
    return label;
}

QLabel *BrewForm::display(BrewControl id, std::function<QString()> show)
{
    auto *label = text({});
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    m_displays.push_back([label, show = std::move(show)] { label->setText(show()); });
    if (id != BrewControl::None)
        m_binder->name(int(id), named(id, label));
    return label;
}

QWidget *BrewForm::button(BrewControl id, const QString &t, const QString &tip)
{
    auto *b = new QPushButton(t);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    if (t == QLatin1String("..."))
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(t) + 20); // a calendar button stays small
    m_binder->button(int(id), named(id, b), [this, id] {
        if (id == BrewControl::Cancel) {
            reject();
            return;
        }
        if (id == BrewControl::OK)
            storeNotes();
        m_logic->pressed(id);
    });
    return b;
}

QWidget *BrewForm::textEntry(BrewControl id, QString BrewRecord::*field, int width, const QString &tip)
{
    auto *e = named(id, new QLineEdit);
    e->setMaxLength(width);
    e->setMaximumWidth(e->fontMetrics().averageCharWidth() * width + 16);
    e->setToolTip(tip);
    m_binder->text(
        int(id), e, [this, field] { return m_logic->record().*field; },
        [this, field](const QString &v) { m_logic->record().*field = v; });
    return e;
}

QWidget *BrewForm::numberEntry(BrewControl id, const QString &pictureToken, const QString &tip, Decimal low,
    Decimal high, std::function<Decimal(const BrewRecord &)> get, std::function<void(BrewRecord &, Decimal)> set)
{
    auto *e = named(id, new QLineEdit);
    const Picture picture(pictureToken);
    e->setMaxLength(picture.width() + 2);
    e->setMaximumWidth(e->fontMetrics().horizontalAdvance(QString(picture.width() + 2, QLatin1Char('9'))) + 16);
    e->setToolTip(tip);
    m_binder->number(
        int(id), e, pictureToken, low, high, [this, get] { return get(m_logic->record()); },
        [this, set](Decimal v) { set(m_logic->record(), v); });
    return e;
}

QWidget *BrewForm::bindSpin(IntSpinBox *s, BrewControl id, const QString &tip,
    std::function<int(const BrewRecord &)> get, std::function<void(BrewRecord &, int)> set)
{
    s->setToolTip(tip);
    m_binder->intSpin(
        int(id), named(id, s), [this, get] { return get(m_logic->record()); },
        [this, set](int v) { set(m_logic->record(), v); });
    return s;
}

QWidget *BrewForm::intSpin(BrewControl id, int low, int high, int step, int digits, const QString &tip,
    std::function<int(const BrewRecord &)> get, std::function<void(BrewRecord &, int)> set)
{
    auto *s = new IntSpinBox;
    s->setMaximumWidth(spinWidth(s, QStringLiteral("8888")));
    s->setAllowedRange(low, high);
    s->setSingleStep(step);
    s->setBlankWhenZero(true);
    if (digits > 0)
        s->setMinimumDigits(digits);
    return bindSpin(s, id, tip, std::move(get), std::move(set));
}

QWidget *BrewForm::decimalSpin(BrewControl id, Decimal BrewRecord::*field, Decimal low, Decimal high, Decimal step,
    int decimals, const QString &tip)
{
    auto *s = new DecimalSpinBox;
    s->setMaximumWidth(spinWidth(s, QStringLiteral("888.888")));
    s->setDecimals(decimals);
    s->setAllowedRange(low, high);
    s->setStep(step);
    s->setBlankWhenZero(true);
    s->setToolTip(tip);
    m_binder->decimalSpin(
        int(id), named(id, s), [this, field] { return m_logic->record().*field; },
        // The field holds two places, whatever the box shows.
        [this, field](Decimal v) { m_logic->record().*field = v.rounded(2); });
    return s;
}

namespace
{

// A gravity is typed in thousandths without the point; a typed point is let through while typing so
// that leaving the field can refuse it with the explanation.
class GravitySpinBox : public IntSpinBox
{
public:
    using IntSpinBox::IntSpinBox;

protected:
    QValidator::State validate(QString &input, int &pos) const override
    {
        const QValidator::State state = IntSpinBox::validate(input, pos);
        if (state != QValidator::Invalid)
            return state;
        for (QChar c : input)
            if (!c.isDigit() && c != QLatin1Char('.') && c != QLatin1Char(','))
                return QValidator::Invalid;
        return QValidator::Intermediate;
    }
};

} // namespace

QWidget *BrewForm::gravitySpin(BrewControl id, std::int16_t BrewRecord::*field, const QString &tip)
{
    auto *s = new GravitySpinBox;
    s->setMaximumWidth(spinWidth(s, QStringLiteral("8888")));
    s->setAllowedRange(900, 1200);
    s->setBlankWhenZero(true);
    return bindSpin(
        s, id, tip, [field](const BrewRecord &r) { return int(r.*field); },
        [field](BrewRecord &r, int v) { r.*field = static_cast<std::int16_t>(v); });
}

QWidget *BrewForm::dateSpin(BrewControl id, date::Day BrewRecord::*field, int step, const QString &tip)
{
    auto *s = new DateSpinBox;
    s->setMaximumWidth(spinWidth(s, QStringLiteral("88 88 8888")));
    s->setSingleStep(step);
    return bindSpin(
        s, id, tip, [field](const BrewRecord &r) { return r.*field; }, [field](BrewRecord &r, int v) { r.*field = v; });
}

QWidget *BrewForm::textSpin(BrewControl id, QString BrewRecord::*field, const QString &tip)
{
    // A temperature kept as text: the arrows step it from 10 to 130. Text that is no number is
    // left in the record untouched until the user enters a new value.
    auto *s = new IntSpinBox;
    s->setMaximumWidth(spinWidth(s, QStringLiteral("8888")));
    s->setAllowedRange(10, 130);
    s->setBlankWhenZero(true);
    return bindSpin(
        s, id, tip,
        [field](const BrewRecord &r) {
            bool ok = false;
            const int v = (r.*field).trimmed().toInt(&ok);
            return ok ? v : 0;
        },
        [field](BrewRecord &r, int v) {
            bool numeric = false;
            (r.*field).trimmed().toInt(&numeric);
            if (v != 0 || numeric)
                r.*field = v == 0 ? QString() : QString::number(v);
        });
}

QWidget *BrewForm::buildFermentation()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    int row = 0;
    const auto line
        = [&](const QString &prompt, BrewControl id, QWidget *w, QWidget *after = nullptr, QWidget *after2 = nullptr) {
              grid->addWidget(promptFor(prompt, id), row, 0);
              grid->addWidget(w, row, 1, 1, after ? 1 : 3);
              if (after)
                  grid->addWidget(after, row, 2);
              if (after2)
                  grid->addWidget(after2, row, 3);
              ++row;
          };

    line(QStringLiteral("Batch No."), BrewControl::BATCHNUMBER,
        numberEntry(
            BrewControl::BATCHNUMBER, QStringLiteral("N4B"), QStringLiteral("Brew Batch Number"), Decimal(0),
            Decimal(9999), [](const BrewRecord &r) { return Decimal(int(r.BATCHNUMBER)); },
            [](BrewRecord &r, Decimal v) { r.BATCHNUMBER = static_cast<std::int16_t>(v.truncated()); }));

    auto *kit = new QComboBox;
    kit->setEditable(true);
    kit->setInsertPolicy(QComboBox::NoInsert);
    kit->lineEdit()->setMaxLength(45);
    kit->setMinimumContentsLength(30);
    loadKits(kit);
    m_binder->combo(
        int(BrewControl::BREWKIT), named(BrewControl::BREWKIT, kit), [this] { return m_logic->record().BREWKIT; },
        [this](const QString &v) { m_logic->record().BREWKIT = v; });
    line(QStringLiteral("Brew &Kit/Recipe:"), BrewControl::BREWKIT, kit);

    line(QStringLiteral("Bre&w Batch Name:"), BrewControl::BREWBATCHNAME,
        textEntry(BrewControl::BREWBATCHNAME, &BrewRecord::BREWBATCHNAME, 25,
            QStringLiteral("Your own individual name for this brew.")));
    line(QStringLiteral("Brewing Sugar &used:"), BrewControl::BREWSUGARTYPE,
        textEntry(BrewControl::BREWSUGARTYPE, &BrewRecord::BREWSUGARTYPE, 25,
            QStringLiteral("Description of sugar type used.")));
    line(QStringLiteral("Volu&me of Sugar:"), BrewControl::BREWSUGARKG,
        decimalSpin(BrewControl::BREWSUGARKG, &BrewRecord::BREWSUGARKG, Decimal(0), Decimal(500),
            Decimal::fromScaled(1, 2), 3, QStringLiteral("Sugar volume used.")),
        display(BrewControl::None, [this] { return m_logic->sugarUnit(); }));
    line(QStringLiteral("Volume of W&ater:"), BrewControl::WATERVOLUMELTR,
        decimalSpin(BrewControl::WATERVOLUMELTR, &BrewRecord::WATERVOLUMELTR, Decimal(0), Decimal(500),
            Decimal::fromScaled(1, 1), 1, QStringLiteral("Litres of water used.")),
        display(BrewControl::None, [this] { return m_logic->waterUnit(); }));
    line(QStringLiteral("&Yeast used:"), BrewControl::YEAST,
        textEntry(BrewControl::YEAST, &BrewRecord::YEAST, 35, QStringLiteral("Yeast description & code.")));

    QWidget *dateDown = dateSpin(BrewControl::DATEDOWN, &BrewRecord::DATEDOWN, 1, {});
    line(QStringLiteral("&Date Down:"), BrewControl::DATEDOWN, dateDown,
        button(BrewControl::DateDownCalendar, QStringLiteral("..."), QStringLiteral("Select date from calendar")));
    line(QStringLiteral("Original &Gravity:"), BrewControl::ORIGINALGRAVITY,
        gravitySpin(BrewControl::ORIGINALGRAVITY, &BrewRecord::ORIGINALGRAVITY,
            QStringLiteral("Hydrometer reading before fermentation.")),
        equals(display(
            BrewControl::None, [this] { return picture::format(QStringLiteral("N5.3B"), m_logic->displayOG()); })));
    line(QStringLiteral("Temp. at Read&ing:"), BrewControl::SPAREFIELD1,
        textSpin(BrewControl::SPAREFIELD1, &BrewRecord::SPAREFIELD1,
            QStringLiteral("Temperature of brew at hydrometer reading. (optional)")),
        display(BrewControl::None, [this] { return m_logic->temp1Char(); }));

    // The stock option: two buttons standing for one field.
    auto *stock = new QWidget;
    auto *stockRow = new QHBoxLayout(stock);
    stockRow->setContentsMargins(0, 0, 0, 0);
    auto *have = new QRadioButton(QStringLiteral(" Ha&ve Stock"));
    auto *none = new QRadioButton(QStringLiteral(" &No Stock"));
    have->setObjectName(QStringLiteral("HaveStock"));
    none->setObjectName(QStringLiteral("NoStock"));
    auto *mug = new QLabel;
    mug->setObjectName(QStringLiteral("StockPicture"));
    stockRow->addWidget(have);
    stockRow->addWidget(none);
    stockRow->addWidget(mug);
    stockRow->addStretch();
    m_binder->radios(
        int(BrewControl::STOCKONHAND), { have, none }, [this] { return m_logic->stockFull() ? 0 : 1; },
        [this](
            int option) { m_logic->record().STOCKONHAND = option == 0 ? QStringLiteral("1") : QStringLiteral("0"); });
    m_displays.push_back([this, mug] {
        const bool full = m_logic->stockFull();
        mug->setPixmap(artwork::stockMug(full));
        mug->setToolTip(full ? QStringLiteral("Have Stock") : QStringLiteral("No Stock"));
    });
    auto *stockPrompt = new QLabel(QStringLiteral("Stock on hand:"));
    stockPrompt->setBuddy(have);
    m_prompts.insert(BrewControl::STOCKONHAND, stockPrompt);
    grid->addWidget(stockPrompt, row, 0);
    grid->addWidget(stock, row, 1, 1, 3);
    ++row;

    // The other ingredients beside the main details.
    auto *others = new QGroupBox;
    auto *othersGrid = new QGridLayout(others);
    othersGrid->addWidget(text(QStringLiteral("Add any other brew ingredients here.")), 0, 0, 1, 2);
    const std::pair<BrewControl, QString BrewRecord::*> additives[]
        = { { BrewControl::ADDITIVE1, &BrewRecord::ADDITIVE1 }, { BrewControl::ADDITIVE2, &BrewRecord::ADDITIVE2 },
              { BrewControl::ADDITIVE3, &BrewRecord::ADDITIVE3 }, { BrewControl::ADDITIVE4, &BrewRecord::ADDITIVE4 },
              { BrewControl::ADDITIVE5, &BrewRecord::ADDITIVE5 } };
    int n = 1;
    for (const auto &[id, field] : additives) {
        QWidget *e = textEntry(id, field, 35, QStringLiteral("Any additional information"));
        othersGrid->addWidget(promptFor(QStringLiteral("&%1:").arg(n), id), n, 0);
        othersGrid->addWidget(e, n, 1);
        ++n;
    }
    othersGrid->addWidget(button(BrewControl::PrimeFermentation, QStringLiteral("Prime Entry Field&s"),
                              QStringLiteral("Prime Fermentation to default values.")),
        n, 1, Qt::AlignRight);
    grid->addWidget(others, 0, 4, row, 1, Qt::AlignTop);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget *BrewForm::buildBottling()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    int row = 0;
    const auto line = [&](QLabel *prompt, QWidget *w, QWidget *after = nullptr, QWidget *after2 = nullptr) {
        grid->addWidget(prompt, row, 0);
        grid->addWidget(w, row, 1);
        if (after)
            grid->addWidget(after, row, 2);
        if (after2)
            grid->addWidget(after2, row, 3);
        ++row;
    };
    const auto field = [&](const QString &prompt, BrewControl id, QWidget *w, QWidget *after = nullptr,
                           QWidget *after2 = nullptr) { line(promptFor(prompt, id), w, after, after2); };

    field(QStringLiteral("&Priming Sugar:"), BrewControl::PRIMERSUGARTYPE,
        textEntry(BrewControl::PRIMERSUGARTYPE, &BrewRecord::PRIMERSUGARTYPE, 25,
            QStringLiteral("Description of sugar type used.")));
    field(QStringLiteral("&Volume of Sugar:"), BrewControl::PRIMERSUGARKG,
        decimalSpin(BrewControl::PRIMERSUGARKG, &BrewRecord::PRIMERSUGARKG, Decimal(0), Decimal(50),
            Decimal::fromScaled(1, 2), 3, QStringLiteral("Volume of sugar used.")),
        display(BrewControl::None, [this] { return m_logic->sugarUnit(); }));
    field(QStringLiteral("Fe&rmentation Temp."), BrewControl::BREWTEMP,
        intSpin(
            BrewControl::BREWTEMP, 0, 212, 1, 0, QStringLiteral("Temperature maintained during primary fermentation."),
            [](const BrewRecord &r) { return int(r.BREWTEMP); },
            [](BrewRecord &r, int v) { r.BREWTEMP = static_cast<std::int16_t>(v); }),
        display(BrewControl::None, [this] { return m_logic->tempText(); }));

    const auto dateLine = [&](const QString &prompt, BrewControl id, date::Day BrewRecord::*member, int step,
                              const QString &tip, BrewControl calendar, BrewControl periodText,
                              std::function<QString()> period) {
        QWidget *spin = dateSpin(id, member, step, tip);
        field(prompt, id, spin, button(calendar, QStringLiteral("..."), QStringLiteral("Select date from calendar")),
            display(periodText, std::move(period)));
    };
    dateLine(QStringLiteral("&Date Bottled:"), BrewControl::DATEBOTTLED, &BrewRecord::DATEBOTTLED, 1,
        QStringLiteral("Will default to date down + 7 days"), BrewControl::DateBottledCalendar,
        BrewControl::FermentationText, [this] { return m_logic->fermentationText(); });
    dateLine(QStringLiteral("&Min use by:"), BrewControl::MINUSE, &BrewRecord::MINUSE, 1,
        QStringLiteral("Date can be either best maturity or min drinkable."), BrewControl::MinUseCalendar,
        BrewControl::MinUseText, [this] { return m_logic->minUseText(); });
    dateLine(QStringLiteral("Max &use by:"), BrewControl::MAXUSE, &BrewRecord::MAXUSE, 30,
        QStringLiteral("Drink before this date."), BrewControl::MaxUseCalendar, BrewControl::MaxUseText,
        [this] { return m_logic->maxUseText(); });

    // Two-line prompts: the second line carries the access key.
    const auto periodLine = [&](const QString &first, const QString &second, BrewControl id, QWidget *w) {
        auto *box = new QWidget;
        auto *lines = new QVBoxLayout(box);
        lines->setContentsMargins(0, 0, 0, 0);
        lines->setSpacing(0);
        lines->addWidget(text(first));
        lines->addWidget(promptFor(second, id));
        grid->addWidget(box, row, 0);
        grid->addWidget(w, row, 1);
        ++row;
    };
    periodLine(QStringLiteral("Fermentation:"), QStringLiteral("(Days Primary)"), BrewControl::BREWPERIOD,
        numberEntry(
            BrewControl::BREWPERIOD, QStringLiteral("N2B"), QStringLiteral("Primary fermentation"), Decimal(0),
            Decimal(255), [](const BrewRecord &r) { return Decimal(int(r.BREWPERIOD)); },
            [](BrewRecord &r, Decimal v) { r.BREWPERIOD = static_cast<std::uint8_t>(v.truncated()); }));
    periodLine(QStringLiteral("Conditioning:"), QStringLiteral("(Days Seconda&ry)"), BrewControl::BREWPERIOD2,
        numberEntry(
            BrewControl::BREWPERIOD2, QStringLiteral("N2B"), {}, Decimal(0), Decimal(255),
            [](const BrewRecord &r) { return Decimal(int(r.BREWPERIOD2)); },
            [](BrewRecord &r, Decimal v) { r.BREWPERIOD2 = static_cast<std::uint8_t>(v.truncated()); }));

    line(text(QStringLiteral("Original Gravity:")),
        display(BrewControl::None,
            [this] { return picture::format(QStringLiteral("N4B"), int(m_logic->record().ORIGINALGRAVITY)); }),
        equals(display(
            BrewControl::None, [this] { return picture::format(QStringLiteral("N5.3B"), m_logic->displayOG()); })));
    line(text(QStringLiteral("Date Down:")),
        display(BrewControl::None, [this] { return date::shortText(m_logic->record().DATEDOWN); }));
    field(QStringLiteral("Final &Gravity:"), BrewControl::FINALGRAVITY,
        gravitySpin(BrewControl::FINALGRAVITY, &BrewRecord::FINALGRAVITY,
            QStringLiteral("Hydrometer reading after fermentation.\n(Before adding priming sugar etc.)")),
        equals(display(
            BrewControl::None, [this] { return picture::format(QStringLiteral("N5.3B"), m_logic->displayFG()); })));
    field(QStringLiteral("Temp. at &Read&ing:"), BrewControl::SPAREFIELD2,
        textSpin(BrewControl::SPAREFIELD2, &BrewRecord::SPAREFIELD2,
            QStringLiteral("Temperature of brew at hydrometer reading. (optional)")),
        display(BrewControl::None, [this] { return m_logic->temp1Char(); }));
    field(QStringLiteral("% Alcohol"), BrewControl::ESTIMATEDALC,
        numberEntry(
            BrewControl::ESTIMATEDALC, QStringLiteral("N5.1B"), QStringLiteral("Use default or your own calculation."),
            Decimal(0), Decimal(999), [](const BrewRecord &r) { return r.ESTIMATEDALC; },
            [](BrewRecord &r, Decimal v) { r.ESTIMATEDALC = v.rounded(2); }),
        display(BrewControl::None, [this] { return m_logic->alcBy2(); }));
    grid->addWidget(button(BrewControl::CalculateAlc, QStringLiteral("Calculat&e Alc%"),
                        QStringLiteral("Alc% based on hydrometer readings.")),
        row++, 1);

    auto *alternatives = new QGroupBox(QStringLiteral("Alternative Alc% calculation methods..."));
    auto *altRow = new QHBoxLayout(alternatives);
    QWidget *sugarAlc
        = button(BrewControl::SugarAlc, QStringLiteral(" A&lc% (Sugar)"), QStringLiteral("Alc% based on sugar used."));
    QWidget *alcCalc
        = button(BrewControl::AlcCalculator, QStringLiteral("&Alc% Calculator"), QStringLiteral("Calculate Alcohol %"));
    altRow->addWidget(sugarAlc);
    altRow->addWidget(alcCalc);
    // These two only open windows; no rule of the form is involved.
    connect(static_cast<QPushButton *>(sugarAlc), &QPushButton::clicked, this,
        [this] { WindowCatalogue::instance().open(Win_SugarAlc::kProcedure, this); });
    connect(static_cast<QPushButton *>(alcCalc), &QPushButton::clicked, this,
        [this] { WindowCatalogue::instance().open(Win_AlcCalculator::kProcedure, this); });
    grid->addWidget(alternatives, row++, 0, 1, 4);
    grid->addWidget(button(BrewControl::PrimeBottling, QStringLiteral("Prime Entry Field&s"),
                        QStringLiteral("Prime Bottle Conditioning default values.")),
        row++, 3, Qt::AlignRight);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(row, 1);
    return page;
}

QWidget *BrewForm::buildTasting()
{
    auto *page = new QWidget;
    auto *outer = new QHBoxLayout(page);

    auto *steps = new QVBoxLayout;
    const char *const lines[] = {
        "Steps...",
        "1. Print a 'Tasting Score Sheet' to record results.",
        "To include a brews description print from 'Browse Brews'.",
        "To exclude a brews description print from 'Reports'.",
        "2. Do the tasting and complete the score sheet.",
        "Revise at various stages of maturity.",
        "Utilize the 'Notes' section to record multiple tasting results.",
        "3. Enter the best tasting score here.",
        "ie. Select 'Edit Brew' from the 'Browse Brews' window",
        "and add the best overall tasting result here.",
        "Optionally record the best ageing period for this brew:",
        "The 'Total Cost' of your brew can be stored here.",
        "For a detailed cost breakdown print the cost report.",
    };
    for (const char *l : lines)
        steps->addWidget(text(QLatin1String(l)));
    steps->addStretch();
    outer->addLayout(steps);

    auto *grid = new QGridLayout;
    int row = 0;
    const auto score
        = [&](const QString &prompt, const QString &range, BrewControl id, int high, double BrewRecord::*member) {
              QWidget *spin = intSpin(
                  id, 1, high, 1, 2, QStringLiteral("Range 1 to %1").arg(high),
                  [member](const BrewRecord &r) { return int(r.*member); },
                  [member](BrewRecord &r, int v) { r.*member = v; });
              auto *picture = new QLabel;
              picture->setObjectName(nameOf(id) + QStringLiteral("Picture"));
              m_displays.push_back([this, picture, id] {
                  const bool good = m_logic->look(id) == UpdateBrewsLogic::ScoreLook::Good;
                  picture->setPixmap(artwork::scoreMark(good));
                  picture->setToolTip(good ? QStringLiteral("Good") : QStringLiteral("Low"));
              });
              grid->addWidget(promptFor(prompt, id), row, 0);
              grid->addWidget(text(range), row, 1);
              grid->addWidget(spin, row, 2);
              grid->addWidget(picture, row, 3);
              ++row;
          };
    score(QStringLiteral("App&earance:"), QStringLiteral("(1-7)"), BrewControl::APPEARANCE, 7, &BrewRecord::APPEARANCE);
    score(QStringLiteral("&Aroma/Bouquet:"), QStringLiteral("(1-8)"), BrewControl::AROMA, 8, &BrewRecord::AROMA);
    score(QStringLiteral("Ta&ste:"), QStringLiteral("(1-35)"), BrewControl::TASTE, 35, &BrewRecord::TASTE);

    grid->addWidget(text(QStringLiteral("Overall Score")), row, 0);
    QLabel *overall = display(
        BrewControl::None, [this] { return picture::format(QStringLiteral("N02"), int(m_logic->record().OVERALL)); });
    overall->setObjectName(QStringLiteral("OVERALL"));
    grid->addWidget(overall, row, 2);
    grid->addWidget(text(QStringLiteral("/ 50")), row, 3);
    ++row;
    grid->addWidget(button(BrewControl::Reset, QStringLiteral("&Reset"), QStringLiteral("Clear all scores")), row++, 2);

    QWidget *maturity = textEntry(BrewControl::SPAREFIELD4, &BrewRecord::SPAREFIELD4, 20,
        QStringLiteral("Optionally record a best maturity period."));
    grid->addWidget(promptFor(QStringLiteral("Best &maturity period for this Brew/Recipe:"), BrewControl::SPAREFIELD4),
        row++, 0, 1, 4);
    grid->addWidget(maturity, row++, 0, 1, 3);
    grid->addWidget(button(BrewControl::CalculateCost, QStringLiteral("Calculate Cost   >"),
                        QStringLiteral("Calculate and return the total cost of this brew")),
        row++, 0, 1, 2);
    QWidget *cost = numberEntry(
        BrewControl::BREWCOST, QStringLiteral("N-10.2B"), QStringLiteral("Record the total cost of this brew"),
        -Decimal::fromScaled(9999999, 2), Decimal::fromScaled(9999999, 2),
        [](const BrewRecord &r) { return r.BREWCOST; }, [](BrewRecord &r, Decimal v) { r.BREWCOST = v.rounded(2); });
    grid->addWidget(promptFor(QStringLiteral("Brew Cost:"), BrewControl::BREWCOST), row, 0);
    grid->addWidget(cost, row++, 1, 1, 2);
    grid->setRowStretch(row, 1);
    outer->addLayout(grid);
    return page;
}

QWidget *BrewForm::buildNotes(BrewControl id, const QString &limit)
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    auto *names = new QHBoxLayout;
    names->addWidget(display(BrewControl::None, [this] { return m_logic->record().BREWKIT; }));
    names->addWidget(display(BrewControl::None, [this] { return m_logic->record().BREWBATCHNAME; }));
    names->addStretch();
    names->addWidget(text(limit));
    layout->addLayout(names);

    const bool brief = id == BrewControl::NOTES;
    QString BrewRecord::*field = brief ? &BrewRecord::NOTES : &BrewRecord::NOTESBIG;
    auto *notes = new NotesEdit;
    // The limits the form announces, within the memo's room in the store.
    notes->setMaxCharacters(brief ? 1000 : 15000);
    notes->setCapacity(brief ? 1000 : 18000);
    m_binder->custom(
        int(id), notes,
        [this, notes, field, id] {
            if (!m_notesChanged.contains(id))
                notes->setStoredText(m_logic->record().*field);
        },
        [this, notes, field] { m_logic->record().*field = notes->toStoredText(); });
    // The editor inside is the field the history knows; the box around it carries another name.
    notes->setObjectName(nameOf(id) + QStringLiteral("Box"));
    notes->editor()->setObjectName(nameOf(id));
    connect(notes, &NotesEdit::changed, this, [this, id] {
        if (!m_refreshing)
            m_notesChanged.insert(id);
    });
    layout->addWidget(notes, 1);
    return page;
}

QLayout *BrewForm::buttonRow()
{
    auto *row = new QHBoxLayout;
    auto *calculator = new QToolButton;
    calculator->setIcon(artwork::buttonIcon(artwork::ButtonPicture::Calculator));
    calculator->setIconSize(QSize(24, 24));
    calculator->setToolTip(QStringLiteral("Calculator"));
    calculator->setAccessibleName(QStringLiteral("Calculator"));
    m_binder->button(
        int(BrewControl::Calculator), named(BrewControl::Calculator, calculator), [] { desktopcalculator::start(); });
    row->addWidget(calculator);
    row->addStretch();
    QWidget *ok = button(BrewControl::OK, QStringLiteral("&OK"), QStringLiteral("Save details"));
    static_cast<QPushButton *>(ok)->setDefault(true);
    row->addWidget(ok);
    QWidget *cancel = button(BrewControl::Cancel, QStringLiteral("&Cancel"), QStringLiteral("Cancel without saving"));
    row->addWidget(cancel);
    auto *help = new QPushButton(QStringLiteral("&Help"));
    help->setToolTip(QStringLiteral("Help about this window."));
    help->setAutoDefault(false);
    m_binder->button(int(BrewControl::Help), named(BrewControl::Help, help), [] {
        if (HelpSystem *h = HelpSystem::instance())
            h->showKeyword(QStringLiteral("Edit Brew"));
    });
    row->addWidget(help);
    return row;
}

void BrewForm::loadKits(QWidget *combo)
{
    auto *kit = static_cast<QComboBox *>(combo);
    // The kit names in name order, read through a handle of the form's own.
    KitsTable kits(QFileInfo(m_table.store().filePath()).absolutePath());
    if (!kits.open())
        return; // no list: the name can still be typed
    Bound from = Bound::edge();
    for (;;) {
        const auto page = kits.readPage(KitKey::BrewKey, from, Direction::Forward, 200);
        if (!page || page->rows.empty())
            break;
        for (const KitRecord &k : page->rows)
            kit->addItem(k.NAMEOFBREW);
        if (page->atEnd)
            break;
        from = Bound::after(kits.cursorOf(KitKey::BrewKey, page->rows.back()));
    }
    kits.close();
}

// ---- events

void BrewForm::storeNotes()
{
    // Notes are taken only when the user changed them, so that opening and closing a brew never
    // rewrites its notes. Notes too long for the brew are refused by the store when saving, with
    // its message, and stay in the form.
    for (const BrewControl id : { BrewControl::NOTES, BrewControl::NOTESBIG })
        if (m_notesChanged.contains(id))
            m_binder->storeOnly(int(id));
}

void BrewForm::closeEvent(QCloseEvent *event)
{
    if (m_done) {
        event->accept();
        return;
    }
    // The close box is Cancel: it may ask first and the form may stay.
    event->ignore();
    reject();
}

void BrewForm::reject()
{
    if (m_done) {
        QDialog::reject();
        return;
    }
    // Escape and the close box see what was typed, as the Cancel button does.
    m_binder->takeTyped();
    storeNotes();
    m_logic->cancel();
}

void BrewForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_logic->request() == FormRequest::Delete)
        QTimer::singleShot(0, this, [this] { m_logic->confirmDelete(); });
}

// ---- the view

void BrewForm::moveFocus(BrewControl id)
{
    // The focus moves once the event at hand is done, as a user's own move would.
    const bool scheduled = m_pendingFocus != BrewControl::None;
    m_pendingFocus = id;
    if (!scheduled)
        QTimer::singleShot(0, this, [this] { applyPendingFocus(); });
}

void BrewForm::applyPendingFocus()
{
    const BrewControl id = m_pendingFocus;
    m_pendingFocus = BrewControl::None;
    QWidget *w = control(id);
    if (!w || m_done)
        return;
    for (QWidget *p = w; p; p = p->parentWidget()) {
        const int index = m_tabs->indexOf(p);
        if (index >= 0) {
            m_tabs->setCurrentIndex(index);
            break;
        }
    }
    w->setFocus(Qt::OtherFocusReason);
}

void BrewForm::setControlEnabled(BrewControl id, bool enabled)
{
    if (QWidget *w = control(id))
        w->setEnabled(enabled && !m_logic->readOnly());
}

void BrewForm::setControlVisible(BrewControl id, bool visible)
{
    if (QWidget *w = control(id))
        w->setVisible(visible);
}

void BrewForm::refresh()
{
    m_refreshing = true;
    m_binder->load();
    for (const auto &show : m_displays)
        show();
    m_refreshing = false;
}

BrewTab BrewForm::currentTab() const { return static_cast<BrewTab>(m_tabs->currentIndex()); }

void BrewForm::showTab(BrewTab tab) { m_tabs->setCurrentIndex(static_cast<int>(tab)); }

void BrewForm::beep() { QApplication::beep(); }

std::optional<date::Day> BrewForm::pickDate(date::Day start) { return m_picker(start); }

void BrewForm::runCostCalculator() { m_costCalculator(); }

void BrewForm::closeForm()
{
    if (m_done)
        return;
    m_done = true;
    m_binder->stop();
    if (m_logic->completed())
        FieldHistory::remember(this);
    QDialog::done(m_logic->completed() ? QDialog::Accepted : QDialog::Rejected);
}
