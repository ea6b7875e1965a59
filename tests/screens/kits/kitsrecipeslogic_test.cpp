// The kits/recipes browse and form rules over a real Kits table in a scratch folder.
#include "records/brewstable.h"
#include "screens/kits/browsekitsrecipeslogic.h"
#include "screens/kits/updatekitsrecipeslogic.h"
#include "screens/windowing/cataloguefixture.h"

using namespace cataloguetest;

namespace
{

class KitsLogic : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(kits.open()); }

    KitRecord kit(const char *name) { return store(kits, KitRecord { 0, QString::fromLatin1(name) }, prompter); }
    QStringList names()
    {
        QStringList out;
        for (const KitRecord &k : readAll(kits, KitKey::BrewKey))
            out << k.NAMEOFBREW;
        return out;
    }

    QTemporaryDir dir;
    KitsTable kits { dir.path() };
    ScriptedPrompter prompter;
    RecordingFormView formView;
};

TEST_F(KitsLogic, InsertLoopAddsKitsUntilNoThenTheBrowseHighlightsTheLast)
{
    kit("Amber Ale");
    RecordingBrowseView<KitRecord> browseView;
    std::vector<QString> typed { QStringLiteral("Best Bitter"), QStringLiteral("Stout") };
    std::vector<QString> captions;
    BrowseKitsRecipesLogic browse(kits, prompter, browseView,
        [&](FormRequest request, KitRecord &buffer) {
            UpdateKitsRecipesLogic form(request, kits, prompter, formView);
            EXPECT_TRUE(form.open(buffer));
            for (const QString &name : typed) {
                captions.push_back(form.caption());
                EXPECT_TRUE(form.record().NAMEOFBREW.isEmpty()) << "each new kit starts empty";
                form.record().NAMEOFBREW = name;
                form.ok();
            }
            EXPECT_TRUE(form.finished());
            if (form.completed())
                buffer = *form.lastSaved();
            return form.completed();
        },
        {});
    prompter.answer(1); // Yes: another record
    prompter.answer(2); // No: back to the browse
    browse.insert();

    EXPECT_EQ(prompter.shown(),
        (std::vector<Message> {
            UpdateKitsRecipesLogic::recordAddedQuestion(), UpdateKitsRecipesLogic::recordAddedQuestion() }));
    EXPECT_EQ(UpdateKitsRecipesLogic::recordAddedQuestion().text,
        QStringLiteral("This record has been added to the file. Do you want to add another record?"));
    EXPECT_EQ(captions, (std::vector<QString> { QStringLiteral("Add Kit/Recipe"), QStringLiteral("Add Kit/Recipe") }));
    EXPECT_EQ(formView.lastFocus(), QStringLiteral("NAMEOFBREW"));
    EXPECT_TRUE(formView.closed);
    EXPECT_EQ(names(), (QStringList { "Amber Ale", "Best Bitter", "Stout" }));
    EXPECT_EQ(*kits.countAll(), 3) << "no reserved row is left behind";
    ASSERT_EQ(browseView.rereads.size(), 1u);
    ASSERT_TRUE(browseView.rereads.back().has_value());
    EXPECT_EQ(browseView.rereads.back()->NAMEOFBREW, QStringLiteral("Stout"));
    EXPECT_EQ(browseView.rereads.back()->RECORDNUMBER, 3.0);
}

TEST_F(KitsLogic, YesThenCancelKeepsTheKitsAddedAndGivesTheNewNumberBack)
{
    UpdateKitsRecipesLogic form(FormRequest::Insert, kits, prompter, formView);
    ASSERT_TRUE(form.open({}));
    form.record().NAMEOFBREW = QStringLiteral("Lager");
    prompter.answer(1);
    form.ok();
    EXPECT_EQ(form.record().RECORDNUMBER, 2.0) << "a new number is reserved for the next kit";
    form.cancel(); // nothing typed: no question
    EXPECT_EQ(prompter.shown().size(), 1u);
    EXPECT_TRUE(formView.closed);
    EXPECT_TRUE(form.completed());
    EXPECT_EQ(form.lastSaved()->NAMEOFBREW, QStringLiteral("Lager"));
    EXPECT_EQ(*kits.countAll(), 1);
}

TEST_F(KitsLogic, ANameDifferingOnlyInCaseIsRefusedAndTheFormStaysOpen)
{
    kit("Best Bitter");
    UpdateKitsRecipesLogic form(FormRequest::Insert, kits, prompter, formView);
    ASSERT_TRUE(form.open({}));
    form.record().NAMEOFBREW = QStringLiteral("BEST bitter");
    form.ok();
    ASSERT_EQ(prompter.shown().size(), 1u);
    EXPECT_EQ(prompter.shown()[0].caption, QStringLiteral("Duplicate Key Error"));
    EXPECT_EQ(prompter.shown()[0].text,
        QStringLiteral("Adding this record creates a duplicate entry for the key: BRW:BrewKey"));
    EXPECT_FALSE(formView.closed);
    EXPECT_EQ(form.record().NAMEOFBREW, QStringLiteral("BEST bitter")) << "the entered name stays";

    // Cancelling the changed form asks first; No abandons and gives the reserved row back.
    prompter.answer(2);
    form.cancel();
    EXPECT_EQ(prompter.shown().back().caption, QStringLiteral("Save Record"));
    EXPECT_EQ(prompter.shown().back().buttons, QStringLiteral("&Yes|&No|&Cancel"));
    EXPECT_EQ(prompter.shown().back().defaultButton, 3);
    EXPECT_TRUE(formView.closed);
    EXPECT_FALSE(form.completed());
    EXPECT_EQ(*kits.countAll(), 1);
}

TEST_F(KitsLogic, ChangeRenamesTheKitOnlyAndCancelAnsweredCancelStays)
{
    const KitRecord bitter = kit("Bitter");
    UpdateKitsRecipesLogic form(FormRequest::Change, kits, prompter, formView);
    ASSERT_TRUE(form.open(**kits.fetch(KitKey::RecordKey, { bitter.RECORDNUMBER })));
    EXPECT_EQ(form.caption(), QStringLiteral("Update Kit/Recipe"));
    form.record().NAMEOFBREW = QStringLiteral("Best Bitter");
    prompter.answer(3);
    form.cancel();
    EXPECT_FALSE(formView.closed) << "Cancel returns to the form";
    form.ok();
    EXPECT_EQ(prompter.shown().size(), 1u) << "a change asks no further question";
    EXPECT_TRUE(formView.closed);
    EXPECT_EQ(formView.saves, 1);
    EXPECT_EQ(names(), QStringList { "Best Bitter" });
}

TEST_F(KitsLogic, DeletingAKitAsksFirstAndLeavesTheBrewsThatNameIt)
{
    BrewsTable brews(dir.path());
    ASSERT_TRUE(brews.open());
    BrewRecord brew;
    ASSERT_TRUE(brews.reserveNew(brew, prompter).ok());
    brew.BREWKIT = QStringLiteral("Stout");
    brew.STOCKONHAND = QStringLiteral("1");
    ASSERT_TRUE(brews.update(brew, prompter, WriteKind::CompleteInsert).ok());
    const KitRecord stout = kit("Stout");
    kit("Wheat");

    RecordingBrowseView<KitRecord> view;
    int formsRun = 0;
    BrowseKitsRecipesLogic browse(
        kits, prompter, view, [&](FormRequest, KitRecord &) { return ++formsRun, false; }, {});
    browse.setSelected(stout);
    prompter.answer(2);
    browse.remove();
    EXPECT_EQ(names(), (QStringList { "Stout", "Wheat" })) << "No keeps the kit";
    prompter.answer(1);
    browse.remove();
    EXPECT_EQ(prompter.shown().back(), (messages::confirmDeleteQuestion()));
    EXPECT_EQ(names(), QStringList { "Wheat" });
    EXPECT_EQ(view.rereads.back(), std::optional<KitRecord>(stout)) << "the next kit takes its line";
    EXPECT_EQ(formsRun, 0);
    EXPECT_EQ((**brews.fetch(brew.RECORDNUMBER)).BREWKIT, QStringLiteral("Stout"));

    // An empty list: Change and Delete do nothing.
    prompter.clear();
    browse.setSelected(std::nullopt);
    browse.change();
    browse.remove();
    EXPECT_TRUE(prompter.shown().empty());
    EXPECT_EQ(formsRun, 0);
}

} // namespace
