#include "buttonbar/BtnShield.h"

#include "MasterForm.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using pellam::MessageAnswer;
using pellam::ctl::BtnShield;
using pellam::test::MasterForm;

namespace {

// Each button as the user sees it: caption, and "-" when disabled.
QString look(const MasterForm& f)
{
    QStringList parts;
    for (const char* name : {"CmdAdd", "cmdEdit", "CmdDelete", "CmdPrint", "cmdSearch", "cmdRefresh", "CmdClose"}) {
        QPushButton* b = f.button(name);
        parts.append(b->text() + (b->isEnabled() ? "" : "-"));
    }
    return parts.join(' ');
}

const QString kIdle = QStringLiteral("&Add &Edit &Delete &Print &Search &Refresh &Close");
const QString kEntry = QStringLiteral("&Save &Cancel &Delete- &Print- &Search- &Refresh- &Close-");
const QString kSearching = QStringLiteral("&Add- &Cancel &Delete- &Print- &Start &Refresh- &Close");
const QString kFiltered = QStringLiteral("&Add &Edit &Delete &Print &All &Refresh &Close");

} // namespace

TEST(BtnShield, ANewBarAndTheSavedDesignDefaults)
{
    BtnShield bar;
    const std::vector<std::pair<const char*, QVariant>> newBar = {
        {"BOrientation", 0},     {"ImageBtn", false},     {"IsCloseBtn", true},      {"IsPrintBtn", true},
        {"IsSearchBtn", true},   {"ResetOnFind", false},  {"AllowAdd", true},        {"AllowEdit", true},
        {"AllowDelete", true},   {"AllowPrint", true},    {"ConfirmClose", false},   {"ConfirmDelete", true},
        {"ClearTag", true},      {"PrintOptions", 0},     {"RefreshAlways", true},   {"EntryLocking", 0},
        {"BackColor", 0x8000000Fu}, {"BorderStyle", 0},   {"FillColor", 0u},         {"MaskColor", 0x8000000Fu},
        {"Appearance", 1},       {"ButtonMode", 0},       {"FilterString", QString()}, {"RecordCount", 0},
    };
    for (const auto& [name, value] : newBar)
        EXPECT_EQ(bar.property(name).toLongLong(), value.toLongLong()) << name;

    // Only what differs from the defaults is kept, RefreshAlways always.
    const QVariantMap saved = bar.WriteProperties();
    EXPECT_EQ(saved.keys(), (QStringList{"IsCloseBtn", "IsPrintBtn", "IsSearchBtn", "RefreshAlways", "ResetOnFind"}));
    bar.setAllowPrint(false);
    EXPECT_EQ(bar.WriteProperties().value("Allowprint"), QVariant(false));

    // A design without keys reads as the defaults.
    BtnShield loaded;
    loaded.ReadProperties({{"RefreshAlways", true}, {"Allowprint", false}, {"PrintOptions", 2}});
    EXPECT_FALSE(loaded.IsCloseBtn());
    EXPECT_FALSE(loaded.IsSearchBtn());
    EXPECT_TRUE(loaded.property("ResetOnFind").toBool());
    EXPECT_FALSE(loaded.AllowPrint());
    EXPECT_EQ(loaded.property("PrintOptions").toInt(), int(BtnShield::Wizard));
    EXPECT_EQ(loaded.WriteProperties().keys(), (QStringList{"Allowprint", "PrintOptions", "RefreshAlways"}));
}

TEST(BtnShield, FirstShowLocksTheEntriesAndAsksForRecords)
{
    MasterForm f;
    f.form.show();
    EXPECT_EQ(f.take(), QStringList{"OnRefreshClick()"});
    EXPECT_EQ(f.entriesEnabled(), std::vector<bool>(7, false)) << "option buttons included";
    EXPECT_TRUE(f.CmdOther->isEnabled());
    EXPECT_EQ(look(f), kIdle);
    f.form.hide();
    f.form.show();
    EXPECT_TRUE(f.take().isEmpty());
}

TEST(BtnShield, AddThenSave)
{
    MasterForm f;
    f.open();
    f.click("CmdAdd");
    EXPECT_EQ(f.take(), (QStringList{"BeforeAddClick", "OnAddClick"}));
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrAdding);
    EXPECT_EQ(look(f), kEntry);
    EXPECT_EQ(f.entriesEnabled(), std::vector<bool>(7, true));
    EXPECT_EQ(f.button("CmdAdd")->toolTip(), QStringLiteral("Click to Save the changes"));
    EXPECT_EQ(f.button("cmdEdit")->toolTip(), QStringLiteral("Click to Cancel the changes"));
    // The form was cleared, tags included.
    EXPECT_EQ(f.txtAccCode->text(), QString());
    EXPECT_EQ(f.txtAccCode->property("Tag").toString(), QString());
    EXPECT_EQ(f.CmdOther->property("Tag").toString(), QString());
    EXPECT_EQ(f.TxtDate->displayText(), QStringLiteral("  /  /    "));
    EXPECT_EQ(f.CboOrg->currentIndex(), -1);
    EXPECT_EQ(f.CboType->currentText(), QString());
    EXPECT_FALSE(f.ChkLine->isChecked());
    EXPECT_FALSE(f.OptRec->isChecked());

    f.click("CmdAdd");
    EXPECT_EQ(f.take(), (QStringList{"BeforeSaveClick(1)", "OnSaveClick(1,1)", "OnRefreshClick()"}));
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrNone);
    EXPECT_EQ(look(f), kIdle);
    EXPECT_EQ(f.entriesEnabled(), std::vector<bool>(7, false));
}

TEST(BtnShield, AFailedSaveStaysInEntryUntilCancel)
{
    MasterForm f;
    f.saveSucceeds = false;
    f.open();
    f.click("cmdEdit");
    EXPECT_EQ(f.take(), (QStringList{"BeforeEditClick", "OnEditClick"}));
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrEditing);
    EXPECT_EQ(f.txtAccCode->text(), QStringLiteral("CSH")) << "editing keeps the record";
    f.click("CmdAdd");
    EXPECT_EQ(f.take(), (QStringList{"BeforeSaveClick(0)", "OnSaveClick(1,0)"}));
    EXPECT_EQ(look(f), kEntry);
    EXPECT_TRUE(f.txtAccCode->isEnabled());

    f.click("cmdEdit");
    EXPECT_EQ(f.take(), (QStringList{"OnCancelClick", "OnRefreshClick()"}));
    EXPECT_EQ(look(f), kIdle);
    EXPECT_FALSE(f.txtAccCode->isEnabled());

    // Without RefreshAlways nothing is refreshed after the change.
    f.bar->setProperty("RefreshAlways", false);
    f.click("cmdEdit");
    f.click("cmdEdit");
    EXPECT_EQ(f.take(), (QStringList{"BeforeEditClick", "OnEditClick", "OnCancelClick"}));
}

TEST(BtnShield, ACancelledBeforeEventStopsTheAction)
{
    struct Case {
        const char* name;
        std::vector<const char*> clicks; // the last one is cancelled
        QStringList events;
        QString look;
    };
    const std::vector<Case> cases = {
        {"add", {"CmdAdd"}, {"BeforeAddClick"}, kIdle},
        {"edit", {"cmdEdit"}, {"BeforeEditClick"}, kIdle},
        {"delete", {"CmdDelete"}, {"BeforeDeleteClick"}, kIdle},
        {"save", {"CmdAdd", "CmdAdd"}, {"BeforeAddClick", "OnAddClick", "BeforeSaveClick(1)"}, kEntry},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MasterForm f;
        f.open();
        for (size_t i = 0; i < c.clicks.size(); ++i) {
            f.cancelBefore = i + 1 == c.clicks.size();
            f.click(c.clicks[i]);
        }
        EXPECT_EQ(f.take(), c.events);
        EXPECT_EQ(look(f), c.look);
        EXPECT_TRUE(f.boxes->messages().empty());
    }
}

TEST(BtnShield, DeleteAsksFirstUnlessToldNotTo)
{
    MasterForm f;
    f.open();
    f.boxes->answer(MessageAnswer::No).answer(MessageAnswer::Yes);
    f.click("CmdDelete");
    EXPECT_EQ(f.take(), QStringList{"BeforeDeleteClick"});
    ASSERT_EQ(f.boxes->messages().size(), 1u);
    const auto& question = f.boxes->messages()[0];
    EXPECT_EQ(question.text, QStringLiteral("Are You sure to Delete?"));
    EXPECT_EQ(question.title, QStringLiteral("Delete.. Ledger Heads"));
    EXPECT_EQ(question.buttons, pellam::MessageButtons::YesNo);
    EXPECT_EQ(question.icon, pellam::MessageIcon::Question);
    EXPECT_EQ(question.defaultButton, 1) << "No is the default";

    f.click("CmdDelete");
    EXPECT_EQ(f.take(), (QStringList{"BeforeDeleteClick", "OnDeleteClick", "OnRefreshClick()"}));
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrNone);

    f.bar->setProperty("ConfirmDelete", false);
    f.click("CmdDelete");
    EXPECT_EQ(f.take(), (QStringList{"BeforeDeleteClick", "OnDeleteClick", "OnRefreshClick()"}));
    EXPECT_EQ(f.boxes->messages().size(), 2u);
}

TEST(BtnShield, SearchStartAllAndCancelledSearch)
{
    MasterForm f;
    f.open();
    f.click("cmdSearch");
    EXPECT_EQ(f.take(), QStringList{"OnSearchClick"});
    EXPECT_EQ(look(f), kSearching);
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrSearching);
    EXPECT_TRUE(f.txtAccCode->isEnabled());
    EXPECT_EQ(f.txtAccCode->text(), QStringLiteral("CSH")) << "ResetOnFind is off on a new bar";
    EXPECT_EQ(f.button("cmdSearch")->toolTip(), QStringLiteral("Click to start searching for the given criteria"));

    f.click("cmdSearch");
    EXPECT_EQ(f.take(), (QStringList{"OnStartClick", "OnRefreshClick(AccName like 'B%')"}));
    EXPECT_EQ(look(f), kFiltered);
    EXPECT_EQ(f.bar->FilterString(), f.hostFilter);
    EXPECT_FALSE(f.txtAccCode->isEnabled());
    EXPECT_EQ(f.button("cmdSearch")->toolTip(), QStringLiteral("Click to get all records"));

    // The filter travels with every refresh until All.
    f.click("cmdRefresh");
    EXPECT_EQ(f.take(), QStringList{"OnRefreshClick(AccName like 'B%')"});
    f.click("cmdSearch");
    EXPECT_EQ(f.take(), (QStringList{"OnStopClick", "OnRefreshClick()"}));
    EXPECT_EQ(look(f), kIdle);
    EXPECT_EQ(f.bar->FilterString(), QString());

    f.bar->setProperty("ResetOnFind", true);
    f.click("cmdSearch");
    EXPECT_EQ(f.txtAccCode->text(), QString());
    f.click("cmdEdit");
    EXPECT_EQ(f.take(), (QStringList{"OnSearchClick", "OnCancelClick", "OnRefreshClick()"}));
    EXPECT_EQ(look(f), kIdle);
    EXPECT_EQ(f.bar->ButtonMode(), BtnShield::TrNone);
}

TEST(BtnShield, EditOfAFilteredListReturnsToTheFilteredList)
{
    MasterForm f;
    f.open();
    f.click("cmdSearch");
    f.click("cmdSearch");
    f.click("cmdEdit");
    EXPECT_EQ(look(f), QStringLiteral("&Save &Cancel &Delete- &Print- &All- &Refresh- &Close-"));
    f.click("CmdAdd");
    EXPECT_EQ(f.take().last(), QStringLiteral("OnRefreshClick(AccName like 'B%')"));
    EXPECT_EQ(look(f), kFiltered);
}

TEST(BtnShield, AllowFlagsLimitTheirButtons)
{
    MasterForm f;
    f.bar->setAllowAdd(false);
    f.bar->setAllowDelete(false);
    f.open();
    EXPECT_EQ(look(f), QStringLiteral("&Add- &Edit &Delete- &Print &Search &Refresh &Close"));
    f.click("cmdEdit");
    EXPECT_TRUE(f.button("CmdAdd")->isEnabled()) << "Save stays possible";
    f.bar->setAllowAdd(true);
    f.bar->setAllowDelete(true);
    EXPECT_EQ(look(f), kEntry) << "the flags wait for the list";
    f.bar->setAllowAdd(false);
    f.click("cmdEdit");
    f.click("cmdSearch");
    f.bar->setAllowAdd(true);
    EXPECT_FALSE(f.button("CmdAdd")->isEnabled()) << "the flag waits for the list while searching too";
    f.bar->setAllowAdd(false);
    f.click("cmdSearch");
    EXPECT_EQ(look(f), QStringLiteral("&Add- &Edit &Delete &Print &All &Refresh &Close"));
    f.bar->setAllowEdit(false);
    f.bar->setAllowPrint(false);
    EXPECT_EQ(look(f), QStringLiteral("&Add- &Edit- &Delete &Print- &All &Refresh &Close"));
}

TEST(BtnShield, EntryLockingDecidesWhatHappensToTheEntries)
{
    MasterForm f;
    f.bar->setProperty("EntryLocking", int(BtnShield::LockProperty));
    f.open();
    EXPECT_EQ(f.boxes->texts(), QStringList{"Not Avaliable this Time"});
    EXPECT_EQ(f.boxes->messages()[0].icon, pellam::MessageIcon::Information);
    EXPECT_EQ(f.entriesEnabled(), std::vector<bool>(7, true));

    f.bar->setProperty("EntryLocking", int(BtnShield::LockNone));
    f.bar->DisCtrll(&f.form);
    EXPECT_EQ(f.boxes->messages().size(), 1u);
    EXPECT_EQ(f.entriesEnabled(), std::vector<bool>(7, true));

    // Without ClearTag the tags stay.
    f.bar->setProperty("ClearTag", false);
    f.bar->EmptyCtrl(&f.form);
    EXPECT_EQ(f.txtAccCode->text(), QString());
    EXPECT_EQ(f.txtAccCode->property("Tag").toString(), QStringLiteral("17"));
}

TEST(BtnShield, CloseAsksWhenToldAndClosesTheForm)
{
    MasterForm f;
    f.open();
    f.click("CmdClose");
    EXPECT_FALSE(f.form.isVisible());
    EXPECT_TRUE(f.boxes->messages().empty());

    f.bar->setProperty("ConfirmClose", true);
    f.open();
    f.boxes->answer(MessageAnswer::No);
    f.click("CmdClose");
    EXPECT_TRUE(f.form.isVisible());
    ASSERT_EQ(f.boxes->messages().size(), 1u);
    EXPECT_EQ(f.boxes->messages()[0].text, QStringLiteral("Ledger Heads is getting to end\n\n  Are You Sure?"));
    EXPECT_EQ(f.boxes->messages()[0].buttons, pellam::MessageButtons::YesNo);
    EXPECT_EQ(f.boxes->messages()[0].icon, pellam::MessageIcon::None);
    f.boxes->answer(MessageAnswer::Yes);
    f.click("CmdClose");
    EXPECT_FALSE(f.form.isVisible());
}

TEST(BtnShield, ButtonsShareTheBarInOrderWithoutGaps)
{
    MasterForm f;
    f.bar->setGeometry(0, 0, 700, 30);
    f.open();
    const auto place = [&f](const char* name) { return f.button(name)->geometry(); };
    EXPECT_EQ(place("CmdAdd"), QRect(0, 0, 100, 30));
    EXPECT_EQ(place("CmdClose"), QRect(600, 0, 100, 30));

    f.bar->setIsPrintBtn(false);
    f.bar->setIsSearchBtn(false);
    f.bar->resize(500, 30);
    EXPECT_FALSE(f.button("CmdPrint")->isVisible());
    EXPECT_FALSE(f.button("cmdSearch")->isVisible());
    int x = 0;
    for (const char* name : {"CmdAdd", "cmdEdit", "CmdDelete", "cmdRefresh", "CmdClose"}) {
        EXPECT_EQ(place(name), QRect(x, 0, 100, 30)) << name;
        x += 100;
    }

    f.bar->setBOrientation(BtnShield::TrVertical);
    f.bar->setIsCloseBtn(false);
    f.bar->resize(80, 400);
    int y = 0;
    for (const char* name : {"CmdAdd", "cmdEdit", "CmdDelete", "cmdRefresh"}) {
        EXPECT_EQ(place(name), QRect(0, y, 80, 100)) << name;
        y += 100;
    }
    EXPECT_FALSE(f.button("CmdClose")->isVisible());
}

TEST(BtnShield, PicturesFollowTheCaptions)
{
    MasterForm f;
    f.open();
    EXPECT_TRUE(f.button("CmdAdd")->icon().isNull());
    f.bar->setImageBtn(true);
    const auto picture = [&f](const char* name) { return f.button(name)->property("pictureId").toInt(); };
    EXPECT_FALSE(f.button("CmdAdd")->icon().isNull());
    EXPECT_EQ(picture("CmdAdd"), 101);
    EXPECT_EQ(picture("CmdClose"), 110);
    f.click("CmdAdd");
    EXPECT_EQ(picture("CmdAdd"), 103);
    EXPECT_EQ(picture("cmdEdit"), 104);
    f.click("cmdEdit");
    f.click("cmdSearch");
    EXPECT_EQ(picture("cmdSearch"), 108);
    f.click("cmdSearch");
    EXPECT_EQ(picture("cmdSearch"), 104);

    QFont font(QStringLiteral("Liberation Sans"), 14);
    f.bar->setProperty("Font", font);
    EXPECT_EQ(f.button("cmdRefresh")->font().pointSize(), 14);
}
