// The brew edit form's window: its controls carry the program's texts and reach the rules.
#include "screens/guitestsupport.h"

#include "platform/clock.h"
#include "records/brewstable.h"
#include "records/globals.h"
#include "records/kitstable.h"
#include "screens/brews/brewform.h"
#include "screens/brews/updatebrews.h"
#include "screens/widgets/notesedit.h"
#include "screens/windowing/fieldhistory.h"
#include "screens/windowing/windowregistry.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>
#include <climits>
#include <cstdlib>
#include <gtest/gtest.h>

using guitest::settle;

namespace
{

const date::Day kToday = date::fromYmd(2026, 12, 11);

class BrewFormTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clock::install(&clock);
        glo().UNITSPROMPT = 1;
        glo().TEMPPROMPT = 1;
        glo().ALCBASEDON = 1;
        glo().OVERRIDEFERMENTATION = 0;
        FieldHistory::clear();
        ASSERT_TRUE(table.open());
    }
    void TearDown() override
    {
        form.reset();
        table.close();
        Clock::install(nullptr);
    }

    BrewForm &open(FormRequest request, const BrewRecord &row = {})
    {
        form = std::make_unique<BrewForm>(request, table, prompter);
        EXPECT_TRUE(form->start(row));
        guitest::showActive(form.get());
        return *form;
    }
    BrewRecord stored(BrewRecord brew)
    {
        brew.STOCKONHAND = QStringLiteral("1");
        ScriptedPrompter quiet;
        EXPECT_TRUE(table.reserveNew(brew, quiet));
        EXPECT_TRUE(table.update(brew, quiet, WriteKind::CompleteInsert));
        return *table.fetch(brew.RECORDNUMBER).value();
    }
    void focus(BrewControl id)
    {
        form->control(id)->setFocus(Qt::TabFocusReason);
        settle();
    }
    // Types into the focused control and leaves it with Tab.
    void typeAndLeave(BrewControl id, const QString &typed)
    {
        focus(id);
        QWidget *w = form->control(id);
        if (auto *spin = qobject_cast<QAbstractSpinBox *>(w))
            spin->selectAll();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            edit->selectAll();
        guitest::type(QApplication::focusWidget(), typed);
        guitest::key(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    }
    void click(BrewControl id)
    {
        static_cast<QAbstractButton *>(form->control(id))->click();
        settle();
    }

    FixedClock clock { kToday };
    QTemporaryDir dir;
    BrewsTable table { dir.path() };
    ScriptedPrompter prompter;
    std::unique_ptr<BrewForm> form;
};

TEST_F(BrewFormTest, EveryPromptNamesItsControlAndEveryControlCarriesItsTip)
{
    BrewForm &f = open(FormRequest::Insert);
    struct Row {
        BrewControl id;
        const char *prompt;
        const char *tip;
    };
    const Row rows[] = {
        { BrewControl::BATCHNUMBER, "Batch No.", "Brew Batch Number" },
        { BrewControl::BREWKIT, "Brew &Kit/Recipe:", "" },
        { BrewControl::BREWBATCHNAME, "Bre&w Batch Name:", "Your own individual name for this brew." },
        { BrewControl::BREWSUGARTYPE, "Brewing Sugar &used:", "Description of sugar type used." },
        { BrewControl::BREWSUGARKG, "Volu&me of Sugar:", "Sugar volume used." },
        { BrewControl::WATERVOLUMELTR, "Volume of W&ater:", "Litres of water used." },
        { BrewControl::YEAST, "&Yeast used:", "Yeast description & code." },
        { BrewControl::DATEDOWN, "&Date Down:", "" },
        { BrewControl::ORIGINALGRAVITY, "Original &Gravity:", "Hydrometer reading before fermentation." },
        { BrewControl::SPAREFIELD1, "Temp. at Read&ing:", "Temperature of brew at hydrometer reading. (optional)" },
        { BrewControl::STOCKONHAND, "Stock on hand:", "" },
        { BrewControl::ADDITIVE1, "&1:", "Any additional information" },
        { BrewControl::ADDITIVE5, "&5:", "Any additional information" },
        { BrewControl::PRIMERSUGARTYPE, "&Priming Sugar:", "Description of sugar type used." },
        { BrewControl::PRIMERSUGARKG, "&Volume of Sugar:", "Volume of sugar used." },
        { BrewControl::BREWTEMP, "Fe&rmentation Temp.", "Temperature maintained during primary fermentation." },
        { BrewControl::DATEBOTTLED, "&Date Bottled:", "Will default to date down + 7 days" },
        { BrewControl::MINUSE, "&Min use by:", "Date can be either best maturity or min drinkable." },
        { BrewControl::MAXUSE, "Max &use by:", "Drink before this date." },
        { BrewControl::BREWPERIOD, "(Days Primary)", "Primary fermentation" },
        { BrewControl::BREWPERIOD2, "(Days Seconda&ry)", "" },
        { BrewControl::FINALGRAVITY,
            "Final &Gravity:", "Hydrometer reading after fermentation.\n(Before adding priming sugar etc.)" },
        { BrewControl::SPAREFIELD2, "Temp. at &Read&ing:", "Temperature of brew at hydrometer reading. (optional)" },
        { BrewControl::ESTIMATEDALC, "% Alcohol", "Use default or your own calculation." },
        { BrewControl::APPEARANCE, "App&earance:", "Range 1 to 7" },
        { BrewControl::AROMA, "&Aroma/Bouquet:", "Range 1 to 8" },
        { BrewControl::TASTE, "Ta&ste:", "Range 1 to 35" },
        { BrewControl::SPAREFIELD4,
            "Best &maturity period for this Brew/Recipe:", "Optionally record a best maturity period." },
        { BrewControl::BREWCOST, "Brew Cost:", "Record the total cost of this brew" },
    };
    for (const Row &r : rows) {
        QLabel *prompt = f.prompt(r.id);
        ASSERT_NE(prompt, nullptr) << r.prompt;
        EXPECT_EQ(prompt->text(), QLatin1String(r.prompt));
        EXPECT_EQ(prompt->buddy(), f.control(r.id)) << r.prompt;
        EXPECT_EQ(f.control(r.id)->toolTip(), QString::fromUtf8(r.tip)) << r.prompt;
    }

    const Row buttons[] = {
        { BrewControl::DateDownCalendar, "...", "Select date from calendar" },
        { BrewControl::PrimeFermentation, "Prime Entry Field&s", "Prime Fermentation to default values." },
        { BrewControl::CalculateAlc, "Calculat&e Alc%", "Alc% based on hydrometer readings." },
        { BrewControl::SugarAlc, " A&lc% (Sugar)", "Alc% based on sugar used." },
        { BrewControl::AlcCalculator, "&Alc% Calculator", "Calculate Alcohol %" },
        { BrewControl::PrimeBottling, "Prime Entry Field&s", "Prime Bottle Conditioning default values." },
        { BrewControl::Reset, "&Reset", "Clear all scores" },
        { BrewControl::CalculateCost, "Calculate Cost   >", "Calculate and return the total cost of this brew" },
        { BrewControl::OK, "&OK", "Save details" },
        { BrewControl::Cancel, "&Cancel", "Cancel without saving" },
        { BrewControl::Help, "&Help", "Help about this window." },
        { BrewControl::Calculator, "", "Calculator" },
    };
    for (const Row &b : buttons) {
        auto *button = qobject_cast<QAbstractButton *>(f.control(b.id));
        ASSERT_NE(button, nullptr) << b.tip;
        EXPECT_EQ(button->text(), QLatin1String(b.prompt));
        EXPECT_EQ(button->toolTip(), QLatin1String(b.tip));
    }
    EXPECT_EQ(f.control(BrewControl::Calculator)->accessibleName(), QStringLiteral("Calculator"));

    const QStringList tabs = { QStringLiteral("&Fermentation"), QStringLiteral("&Bottle Conditioning"),
        QStringLiteral("&Tasting/Cost"), QStringLiteral("&Notes (Brief)"), QStringLiteral("Notes (Detailed)") };
    for (int i = 0; i < tabs.size(); ++i)
        EXPECT_EQ(f.tabs()->tabText(i), tabs[i]);
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Add Brew"));
}

TEST_F(BrewFormTest, DateFieldsTakeTheirRulesOnFocusAndOnChange)
{
    BrewForm &f = open(FormRequest::Insert);
    f.tabs()->setCurrentIndex(int(BrewTab::BottleConditioning));
    focus(BrewControl::DATEBOTTLED);
    const BrewRecord &r = f.logic().record();
    EXPECT_EQ(r.DATEBOTTLED, kToday + 7);
    EXPECT_EQ(r.MAXUSE, kToday + 7 + 186);
    EXPECT_EQ(
        static_cast<QAbstractSpinBox *>(f.control(BrewControl::DATEBOTTLED))->text(), date::shortText(kToday + 7));
    EXPECT_EQ(static_cast<QLabel *>(f.control(BrewControl::FermentationText))->text(), QStringLiteral("Down + 7 days"));
    EXPECT_EQ(static_cast<QLabel *>(f.control(BrewControl::MaxUseText))->text(), QStringLiteral("6 Months"));

    // Date Bottled typed equal to Date Down is put back to Date Down + 7.
    typeAndLeave(BrewControl::DATEBOTTLED, date::shortText(kToday));
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Date bottled error...") });
    EXPECT_EQ(r.DATEBOTTLED, kToday + 7);
    EXPECT_EQ(QApplication::focusWidget(), f.control(BrewControl::DATEBOTTLED));
}

TEST_F(BrewFormTest, ATypedGravityWithAPointIsRefusedWithTheExplanation)
{
    BrewForm &f = open(FormRequest::Insert);
    typeAndLeave(BrewControl::ORIGINALGRAVITY, QStringLiteral("1.035"));
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Entry or Range error..."));
    EXPECT_EQ(f.logic().record().ORIGINALGRAVITY, 0);
    EXPECT_EQ(f.control(BrewControl::ORIGINALGRAVITY), f.control(f.controlOf(QApplication::focusWidget())));

    // Without the point it is taken, and the display beside it follows.
    auto *spin = static_cast<QAbstractSpinBox *>(f.control(BrewControl::ORIGINALGRAVITY));
    spin->selectAll();
    guitest::type(QApplication::focusWidget(), QStringLiteral("1035"));
    guitest::key(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(f.logic().record().ORIGINALGRAVITY, 1035);
    EXPECT_EQ(f.logic().displayOG(), Decimal::fromScaled(1035, 3));
}

TEST_F(BrewFormTest, OkChecksAndSavesCancelAsksBeforeDroppingChanges)
{
    BrewForm &f = open(FormRequest::Insert);
    click(BrewControl::OK);
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Required field empty...") });
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.controlOf(QApplication::focusWidget()), BrewControl::BREWKIT);

    // A kit name still being typed when OK is pressed is saved with the brew.
    focus(BrewControl::BREWKIT);
    guitest::type(QApplication::focusWidget(), QStringLiteral("Muntons Bitter"));
    click(BrewControl::OK);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(f.result(), QDialog::Accepted);
    EXPECT_EQ(table.fetch(1).value()->BREWKIT, QStringLiteral("Muntons Bitter"));

    BrewRecord saved = *table.fetch(1).value();
    BrewForm &g = open(FormRequest::Change, saved);
    prompter.clear();
    typeAndLeave(BrewControl::YEAST, QStringLiteral("Nottingham"));
    prompter.answer(3);
    click(BrewControl::Cancel);
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Save Record") });
    EXPECT_TRUE(g.isVisible());
    prompter.answer(2);
    g.close(); // the close box is Cancel too
    settle();
    EXPECT_FALSE(g.isVisible());
    EXPECT_EQ(table.fetch(1).value()->YEAST, QString());
}

TEST_F(BrewFormTest, CtrlQuotePutsBackTheValueOfTheLastSavedBrew)
{
    BrewRecord first;
    first.BREWKIT = QStringLiteral("Coopers Stout");
    first.YEAST = QStringLiteral("Nottingham");
    first.ORIGINALGRAVITY = 1048;
    BrewForm &f = open(FormRequest::Change, stored(first));
    click(BrewControl::OK);
    ASSERT_FALSE(f.isVisible());

    BrewForm &g = open(FormRequest::Insert);
    for (BrewControl id : { BrewControl::YEAST, BrewControl::ORIGINALGRAVITY }) {
        focus(id);
        guitest::key(QApplication::focusWidget(), Qt::Key_Apostrophe, Qt::ControlModifier, QStringLiteral("'"));
        settle();
    }
    EXPECT_EQ(static_cast<QLineEdit *>(g.control(BrewControl::YEAST))->text(), QStringLiteral("Nottingham"));
    EXPECT_EQ(g.logic().record().YEAST, QStringLiteral("Nottingham"));
    EXPECT_EQ(g.logic().record().ORIGINALGRAVITY, 1048);
}

TEST_F(BrewFormTest, ViewOnlyLeavesTheTabsCancelHelpAndCalculator)
{
    BrewRecord brew;
    brew.BREWKIT = QStringLiteral("Coopers Lager");
    brew.NOTES = QStringLiteral("Crisp.");
    BrewForm &f = open(FormRequest::View, stored(brew));
    EXPECT_EQ(f.windowTitle(), QStringLiteral("View Only Mode"));
    for (BrewControl id :
        { BrewControl::BREWKIT, BrewControl::DATEDOWN, BrewControl::ORIGINALGRAVITY, BrewControl::STOCKONHAND,
            BrewControl::PrimeFermentation, BrewControl::DATEBOTTLED, BrewControl::CalculateAlc, BrewControl::TASTE,
            BrewControl::Reset, BrewControl::CalculateCost, BrewControl::BREWCOST, BrewControl::OK })
        EXPECT_FALSE(f.control(id)->isEnabled()) << static_cast<int>(id);
    EXPECT_FALSE(f.findChild<QWidget *>(QStringLiteral("NoStock"))->isEnabled());
    for (BrewControl id : { BrewControl::Cancel, BrewControl::Help, BrewControl::Calculator })
        EXPECT_TRUE(f.control(id)->isEnabled()) << static_cast<int>(id);
    EXPECT_TRUE(f.tabs()->isEnabled());
    auto *notes = static_cast<NotesEdit *>(f.control(BrewControl::NOTES));
    EXPECT_TRUE(notes->isReadOnly());
    EXPECT_EQ(notes->plainText(), QStringLiteral("Crisp."));

    click(BrewControl::Cancel);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(prompter.shown().empty());
}

TEST_F(BrewFormTest, TheFormOpensOnceAndHandsTheSavedBrewBack)
{
    BrewRecord brew;
    brew.BREWKIT = QStringLiteral("Coopers Lager");
    BrewRecord buffer = stored(brew);
    bool secondOpened = true;
    QTimer::singleShot(0, [&] {
        auto *open = qobject_cast<BrewForm *>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        BrewRecord other = buffer;
        secondOpened = runUpdateBrews(nullptr, FormRequest::View, table, other, prompter);
        auto *name = static_cast<QLineEdit *>(open->control(BrewControl::BREWBATCHNAME));
        QApplication::setActiveWindow(open);
        name->setFocus();
        name->setText(QStringLiteral("Xmas")); // still being typed when OK is clicked
        static_cast<QAbstractButton *>(open->control(BrewControl::OK))->click();
    });
    EXPECT_TRUE(runUpdateBrews(nullptr, FormRequest::Change, table, buffer, prompter));
    EXPECT_FALSE(secondOpened);
    EXPECT_EQ(buffer.BREWBATCHNAME, QStringLiteral("Xmas"));
    EXPECT_EQ(table.fetch(buffer.RECORDNUMBER).value()->BREWBATCHNAME, QStringLiteral("Xmas"));
    EXPECT_EQ(WindowRegistry::instance().find(QStringLiteral("UpdateBrews")), nullptr);
}

TEST_F(BrewFormTest, KitListComesFromTheKitsTableInNameOrderAndAPickCopiesTheName)
{
    {
        KitsTable kits(dir.path());
        ASSERT_TRUE(kits.open());
        ScriptedPrompter quiet;
        int number = 1;
        for (const char *name : { "Muntons Bitter", "brewferm Abbey", "Coopers Lager" }) {
            KitRecord k;
            k.RECORDNUMBER = number++;
            k.NAMEOFBREW = QLatin1String(name);
            ASSERT_TRUE(kits.insert(k, quiet));
        }
        kits.close();
    }
    BrewForm &f = open(FormRequest::Insert);
    auto *kit = static_cast<QComboBox *>(f.control(BrewControl::BREWKIT));
    QStringList names;
    for (int i = 0; i < kit->count(); ++i)
        names << kit->itemText(i);
    EXPECT_EQ(names,
        (QStringList {
            QStringLiteral("brewferm Abbey"), QStringLiteral("Coopers Lager"), QStringLiteral("Muntons Bitter") }));
    kit->setCurrentIndex(1);
    emit kit->activated(1);
    EXPECT_EQ(f.logic().record().BREWKIT, QStringLiteral("Coopers Lager"));
}

TEST_F(BrewFormTest, FormattedNotesSurviveSavingAndReopening)
{
    BrewRecord brew;
    brew.BREWKIT = QStringLiteral("Coopers Lager");
    const BrewRecord saved = stored(brew);
    BrewForm &f = open(FormRequest::Change, saved);
    QTextEdit *editor = static_cast<NotesEdit *>(f.control(BrewControl::NOTES))->editor();
    editor->setFocus();
    QTextCursor cursor(editor->document());
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    cursor.insertText(QStringLiteral("Crisp"), bold);
    cursor.insertText(QStringLiteral(" and clean."), QTextCharFormat());
    click(BrewControl::OK);
    ASSERT_FALSE(f.isVisible());

    const BrewRecord reread = *table.fetch(saved.RECORDNUMBER).value();
    EXPECT_TRUE(NotesEdit::isFormatted(reread.NOTES));
    EXPECT_EQ(NotesEdit::plainTextOf(reread.NOTES), QStringLiteral("Crisp and clean."));

    BrewForm &g = open(FormRequest::Change, reread);
    QTextCursor start(static_cast<NotesEdit *>(g.control(BrewControl::NOTES))->editor()->document());
    start.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(start.charFormat().fontWeight(), QFont::Bold);
    // Opening and leaving unchanged notes is no change.
    click(BrewControl::Cancel);
    EXPECT_FALSE(g.isVisible());
    EXPECT_TRUE(prompter.captions().isEmpty());
}

TEST_F(BrewFormTest, DeleteAsksOverTheFormAndRemovesTheBrew)
{
    BrewRecord brew;
    brew.BREWKIT = QStringLiteral("Coopers Lager");
    BrewRecord buffer = stored(brew);
    prompter.answer(1);
    EXPECT_TRUE(runUpdateBrews(nullptr, FormRequest::Delete, table, buffer, prompter));
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Confirm Delete") });
    EXPECT_FALSE(table.fetch(buffer.RECORDNUMBER).value().has_value());
}

} // namespace

TEST_F(BrewFormTest, CtrlTabTurnsThePagesWhereverTheFocusIsEvenOverTheFramesWindowArea)
{
    // The form is opened from a browse inside the frame's window area, which wants Ctrl+Tab too.
    QMdiArea area;
    QWidget *browse = new QWidget;
    area.addSubWindow(browse)->show();
    area.show();
    settle();
    form = std::make_unique<BrewForm>(FormRequest::Insert, table, prompter, browse);
    EXPECT_TRUE(form->start({}));
    guitest::showActive(form.get());
    BrewForm &f = *form;

    struct PageKey {
        int from;
        BrewControl focused;
        Qt::KeyboardModifiers mods;
        int page;
        BrewControl focusAfter; // None: the focus stays where it was
    };
    const PageKey rows[] = {
        { 0, BrewControl::BREWBATCHNAME, Qt::ControlModifier, 1, BrewControl::PRIMERSUGARTYPE },
        { 0, BrewControl::BREWBATCHNAME, Qt::ControlModifier | Qt::ShiftModifier, 4, BrewControl::NOTESBIG },
        { 1, BrewControl::PRIMERSUGARTYPE, Qt::ControlModifier, 2, BrewControl::APPEARANCE },
        { 4, BrewControl::Calculator, Qt::ControlModifier, 0, BrewControl::None },
        { 0, BrewControl::OK, Qt::ControlModifier | Qt::ShiftModifier, 4, BrewControl::None },
    };
    for (const PageKey &row : rows) {
        f.tabs()->setCurrentIndex(row.from);
        focus(row.focused);
        const int key = (row.mods & Qt::ShiftModifier) ? Qt::Key_Backtab : Qt::Key_Tab;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), row.mods);
        settle();
        EXPECT_EQ(f.tabs()->currentIndex(), row.page) << int(row.focused);
        const BrewControl expected = row.focusAfter == BrewControl::None ? row.focused : row.focusAfter;
        EXPECT_EQ(f.controlOf(QApplication::focusWidget()), expected) << int(row.focused);
    }
    EXPECT_TRUE(prompter.shown().empty());
    form.reset(); // before the area takes its windows, the form among them, down with it
}

TEST_F(BrewFormTest, AButtonPressedByItsAccessKeySeesTheTextStillBeingTyped)
{
    const struct {
        BrewControl field;
        QString BrewRecord::*member;
        int tab;
    } rows[] = {
        { BrewControl::ADDITIVE1, &BrewRecord::ADDITIVE1, 0 },
        { BrewControl::BREWSUGARTYPE, &BrewRecord::BREWSUGARTYPE, 0 },
        { BrewControl::PRIMERSUGARTYPE, &BrewRecord::PRIMERSUGARTYPE, 1 },
    };
    for (const auto &row : rows) {
        BrewRecord seed;
        seed.DATEDOWN = kToday - 10; // the bottling prime needs a date down
        BrewForm &f = open(FormRequest::Change, stored(seed));
        f.tabs()->setCurrentIndex(row.tab);
        focus(row.field);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Roasted barley 250g"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier); // "Prime Entry Field&s"
        QTest::qWait(250); // a button pressed by its access key clicks a moment later
        settle();
        EXPECT_EQ(static_cast<QLineEdit *>(f.control(row.field))->text(), QStringLiteral("Roasted barley 250g"))
            << int(row.field);
        EXPECT_EQ(f.logic().record().*row.member, QStringLiteral("Roasted barley 250g")) << int(row.field);
        // The prime did run.
        EXPECT_TRUE(row.tab == 0 ? f.logic().record().ORIGINALGRAVITY == 1035 : f.logic().record().DATEBOTTLED > 0);
        form.reset();
        table.close();
        ASSERT_TRUE(RecordStore::removeStore(BrewsTable::definition(), dir.path()));
        ASSERT_TRUE(table.open());
    }
}

TEST_F(BrewFormTest, EnterAndEscapeSeeTheTextStillBeingTyped)
{
    BrewRecord seed;
    seed.BREWKIT = QStringLiteral("Bitter");
    const BrewRecord brew = stored(seed);

    // Escape: Cancel asks, because something was typed.
    BrewForm &f = open(FormRequest::Change, brew);
    focus(BrewControl::YEAST);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Nottingham"));
    prompter.answer(2); // No: drop the changes
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    settle();
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Save Record") });
    EXPECT_FALSE(f.isVisible());

    // Enter presses the default button, OK, which saves the typed text.
    BrewForm &g = open(FormRequest::Change, *table.fetch(brew.RECORDNUMBER).value());
    focus(BrewControl::YEAST);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Windsor"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    settle();
    EXPECT_EQ(g.result(), QDialog::Accepted);
    EXPECT_EQ(table.fetch(brew.RECORDNUMBER).value()->YEAST, QStringLiteral("Windsor"));
}

TEST_F(BrewFormTest, LeavingAFieldWithoutEditingItKeepsTheStoredValue)
{
    const struct {
        BrewControl field;
        Decimal BrewRecord::*member;
        Decimal value;
    } rows[] = {
        { BrewControl::ESTIMATEDALC, &BrewRecord::ESTIMATEDALC, Decimal::fromScaled(424, 2) },
        { BrewControl::ESTIMATEDALC, &BrewRecord::ESTIMATEDALC, Decimal::fromScaled(349, 2) },
        { BrewControl::WATERVOLUMELTR, &BrewRecord::WATERVOLUMELTR, Decimal::fromScaled(2345, 2) },
        { BrewControl::BREWCOST, &BrewRecord::BREWCOST, Decimal::fromScaled(1250, 2) },
    };
    for (const auto &row : rows) {
        BrewRecord seed;
        seed.BREWKIT = QStringLiteral("Bitter");
        seed.DATEDOWN = kToday - 30;
        seed.ORIGINALGRAVITY = 1050;
        seed.FINALGRAVITY = 1010;
        seed.*row.member = row.value;
        const BrewRecord brew = stored(seed);
        for (const bool save : { false, true }) {
            BrewForm &f = open(FormRequest::Change, brew);
            prompter.clear();
            focus(row.field);
            guitest::key(QApplication::focusWidget(), Qt::Key_Tab);
            settle();
            EXPECT_EQ(f.logic().record().*row.member, row.value) << int(row.field);
            if (save)
                click(BrewControl::OK);
            else
                click(BrewControl::Cancel); // nothing was typed: nothing to ask
            EXPECT_EQ(prompter.captions(), QStringList()) << int(row.field);
            EXPECT_FALSE(f.isVisible());
            EXPECT_EQ(table.fetch(brew.RECORDNUMBER).value().value().*row.member, row.value);
        }
    }
}

TEST_F(BrewFormTest, ANewBrewByKeyboardAloneKeepsEverythingTyped)
{
    BrewForm &f = open(FormRequest::Insert);
    const auto alt = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
        QTest::qWait(250); // a button pressed by its access key clicks a moment later
        settle();
    };
    const auto typeText = [](const char *text) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(text));
        settle();
    };
    const auto tab = [] {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        settle();
    };
    alt(Qt::Key_K);
    typeText("Coopers Lager");
    alt(Qt::Key_W);
    typeText("Summer batch");
    alt(Qt::Key_U);
    typeText("Dextrose");
    tab();
    EXPECT_EQ(f.controlOf(QApplication::focusWidget()), BrewControl::BREWSUGARKG);
    typeText("2");
    alt(Qt::Key_1);
    typeText("Roasted barley 250g");
    alt(Qt::Key_S); // Prime Entry Fields (fermentation)
    EXPECT_EQ(f.logic().record().ORIGINALGRAVITY, 1035);
    EXPECT_EQ(f.logic().record().ADDITIVE1, QStringLiteral("Roasted barley 250g"));
    alt(Qt::Key_Y);
    typeText("Nottingham");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ControlModifier); // the next page
    settle();
    alt(Qt::Key_P);
    typeText("Cane sugar");
    alt(Qt::Key_S); // Prime Entry Fields (bottling)
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); // OK, the default button
    settle();

    // The only message: the primed bottling date lies a week ahead, which OK notes and saves.
    EXPECT_EQ(prompter.captions(), QStringList { QStringLiteral("Please note...") });
    ASSERT_EQ(f.result(), QDialog::Accepted);
    const BrewRecord saved = *table.fetch(1).value();
    EXPECT_EQ(saved.BREWKIT, QStringLiteral("Coopers Lager"));
    EXPECT_EQ(saved.BREWBATCHNAME, QStringLiteral("Summer batch"));
    EXPECT_EQ(saved.BREWSUGARTYPE, QStringLiteral("Dextrose"));
    EXPECT_EQ(saved.ADDITIVE1, QStringLiteral("Roasted barley 250g"));
    EXPECT_EQ(saved.YEAST, QStringLiteral("Nottingham"));
    EXPECT_EQ(saved.PRIMERSUGARTYPE, QStringLiteral("Cane sugar"));
    EXPECT_EQ(saved.BREWSUGARKG, Decimal(2)); // typed, so not primed
    EXPECT_EQ(saved.DATEDOWN, kToday); // primed
    EXPECT_EQ(saved.ORIGINALGRAVITY, 1035);
    EXPECT_EQ(saved.DATEBOTTLED, kToday + 7);
    EXPECT_EQ(saved.FINALGRAVITY, 1005);
}

TEST_F(BrewFormTest, AGravityStandsRightAfterItsEqualsSign)
{
    BrewRecord seed;
    seed.BREWKIT = QStringLiteral("Bitter");
    seed.DATEDOWN = kToday - 30;
    seed.ORIGINALGRAVITY = 1050;
    seed.FINALGRAVITY = 1010;
    BrewForm &f = open(FormRequest::Change, stored(seed));
    for (int tab : { 0, 1 }) {
        f.tabs()->setCurrentIndex(tab);
        settle();
        QWidget *page = f.tabs()->widget(tab);
        int signs = 0;
        for (QLabel *sign : page->findChildren<QLabel *>()) {
            if (sign->text() != QLatin1String("=") || !sign->isVisible())
                continue;
            ++signs;
            const QRect at(sign->mapTo(page, QPoint()), sign->size());
            // The nearest text to its right on the same line is the gravity it leads to.
            int gap = INT_MAX;
            for (QLabel *other : page->findChildren<QLabel *>()) {
                const QRect o(other->mapTo(page, QPoint()), other->size());
                if (other == sign || !other->isVisible() || std::abs(o.center().y() - at.center().y()) > 6
                    || o.left() <= at.right())
                    continue;
                gap = std::min(gap, o.left() - at.right());
            }
            EXPECT_LE(gap, 12) << "tab " << tab;
        }
        EXPECT_GT(signs, 0);
    }
}
