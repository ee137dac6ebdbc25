// solvane.ulistctrl in the runtime's try-out window (controls try), off screen: what a
// control's writer does by hand, with real clicks and keys.
#include "ulisttesting.h"

#include "runtime/components/tests/componenttesting.h"
#include "runtime/testing/testing.h"
#include "runtime/tools/tryout.h"

namespace {

QStringList entriesOf(const runtime::ListBox& list)
{
    QStringList entries;
    for (int index = 0; index < list.count(); ++index)
        entries.append(list.item(index));
    return entries;
}

class SolvaneTryOut : public ::testing::Test {
protected:
    void SetUp() override
    {
        registerLibrary(SOLVANE_LIBRARY);
        instance = runtime::components::createInstance("solvane.ulistctrl");
        window = std::make_unique<runtime::tools::TryOut>(instance);
        window->show();
        QApplication::setActiveWindow(window->window());
    }

    const ulistctrl& control() const { return static_cast<const ulistctrl&>(*instance->control()); }

    void choose(int row)
    {
        auto& list = *static_cast<QListWidget*>(window->members.widget());
        QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::NoModifier, list.visualItemRect(list.item(row)).center());
    }

    void enter(const QString& typed)
    {
        QWidget* box = window->arguments.widget();
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box, typed);
        QTest::keyClick(box, Qt::Key_Return);
    }

    TemporaryUserData data;
    runtime::testing::ScriptedMessages messages;
    std::shared_ptr<runtime::components::Instance> instance;
    std::unique_ptr<runtime::tools::TryOut> window;
};

}  // namespace

TEST_F(SolvaneTryOut, ShowsTheMembersAndDrivesTheControlByHand)
{
    EXPECT_EQ(window->classname.caption(), "solvane.ulistctrl: Listbox which doesn't add duplicates");
    EXPECT_EQ(entriesOf(window->members), (QStringList{
        "60030004  method    additem(ByRef str As String)",
        "68030001  property  selected As String (read-only)",
        "68030000  property  count As String (read-only)",
        "1         event     clicked()",
    }));

    choose(0);
    for (const char* typed : {"\"Apple\"", "\"Apple\"", "\"apple\"", "\"Apple \""})
        enter(typed);
    choose(2);
    QTest::mouseClick(window->invoke.widget(), Qt::LeftButton);
    clickItem(control(), 1);
    choose(1);
    QTest::mouseClick(window->invoke.widget(), Qt::LeftButton);

    EXPECT_EQ(entriesOf(window->log), (QStringList{
        "call additem \"Apple\" -> ok",
        "call additem \"Apple\" -> ok",
        "call additem \"apple\" -> ok",
        "call additem \"Apple \" -> ok",
        "get count -> \"3\"",
        "event clicked",
        "get selected -> \"apple\"",
    }));
    EXPECT_EQ(itemsOf(control()), (QStringList{"Apple", "apple", "Apple "}));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(SolvaneTryOut, TheListCoversTheExtentTyped)
{
    EXPECT_EQ(window->extentwidth.text(), "1470");
    EXPECT_EQ(window->extentheight.text(), "450");
    EXPECT_EQ(control().ulist.width(), 1470) << "placed at its design size, which runs its layout";
    EXPECT_EQ(control().ulist.height(), 450);

    for (auto [box, typed] : {std::pair{&window->extentwidth, "3000"}, std::pair{&window->extentheight, "2000"}}) {
        QTest::mouseClick(box->widget(), Qt::LeftButton);
        QTest::keyClick(box->widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(box->widget(), typed);
    }
    QTest::mouseClick(window->resize.widget(), Qt::LeftButton);
    EXPECT_EQ(window->log.item(window->log.count() - 1), "resize 3000 2000 -> 3000 x 2000");
    EXPECT_EQ(control().ulist.left(), 0);
    EXPECT_EQ(control().ulist.top(), 0);
    EXPECT_EQ(control().ulist.width(), 3000);
    EXPECT_EQ(control().ulist.height(), 2000);
}
