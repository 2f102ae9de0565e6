// Where the keyboard focus goes and what it selects, driven by key presses and
// window activation as a user makes them.
#include "form1fixture.h"
#include "support/widgets.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

class Form1FocusTest : public Form1Test {
protected:
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    QWidget *box(const entry::Form1 &form, const char *name) const
    {
        return form.field(QString::fromLatin1(name))->widget();
    }
    static QTabWidget *tabs(const entry::Form1 &form) { return testsupport::child<QTabWidget>(form, "SSTab1"); }
};

} // namespace

TEST_F(Form1FocusTest, ComingBackToTheWindowKeepsTheCaretWhereTheUserLeftIt)
{
    auto form = shownAndActive();
    auto *street = static_cast<QLineEdit *>(form->field(QStringLiteral("txtStreetAddress"))->widget());
    form->field(QStringLiteral("txtStreetAddress"))->setText(QStringLiteral("12 Elm St"));
    QTest::mouseClick(street, Qt::LeftButton, {}, QPoint(street->width() - 4, street->height() / 2));
    street->end(false);
    QTest::keyClicks(street, QStringLiteral(" Apt 4"));

    QWidget elsewhere; // another application's window takes the focus, then gives it back
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    ASSERT_EQ(QApplication::focusWidget(), street);
    QTest::keyClicks(street, QStringLiteral("B"));
    EXPECT_EQ(stored("Street Address"), QStringLiteral("12 Elm St Apt 4B"));
}

TEST_F(Form1FocusTest, TabbingIntoAFieldStillSelectsItsWholeText)
{
    auto form = shownAndActive();
    form->field(QStringLiteral("txtYourName"))->setText(QStringLiteral("Ann Lee"));
    form->field(QStringLiteral("txtStreetAddress"))->setText(QStringLiteral("12 Elm St"));
    form->field(QStringLiteral("txtYourName"))->widget()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("9 Oak"));
    EXPECT_EQ(stored("Street Address"), QStringLiteral("9 Oak"));
}

TEST_F(Form1FocusTest, TabFromTheLastButtonComesBackToTheFirstField)
{
    auto form = shownAndActive();
    testsupport::child<QPushButton>(*form, "PushButton3")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(testsupport::child<QPushButton>(*form, "PushButton3"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->field(QStringLiteral("txtYourName"))->widget());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), testsupport::child<QPushButton>(*form, "PushButton3"));
}

TEST_F(Form1FocusTest, ReturnPressesTheFocusedButton)
{
    auto form = shownAndActive();
    form->field(QStringLiteral("txtYourName"))->setText(QStringLiteral("Ann Lee"));
    testsupport::child<QPushButton>(*form, "PushButton3")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_NE(text(*form, "txtYourName"), QStringLiteral("Ann Lee")) << "the sample replaced the name";
    testsupport::child<QPushButton>(*form, "PushButton2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(text(*form, "txtYourName"), QString());
    EXPECT_EQ(stored("Your Name"), QString());
}

TEST_F(Form1FocusTest, TabReachesTheStripAfterThePersonalFieldsAndGoesIntoTheShownPage)
{
    auto form = shownAndActive();
    box(*form, "txtYourName")->setFocus(Qt::TabFocusReason);
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), tabs(*form)->tabBar()) << "Tab reaches the tab strip";
    press(Qt::Key_Right);
    EXPECT_EQ(tabs(*form)->currentIndex(), 1);
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box(*form, "txtDateEmployment1")) << "into the shown page's first field";
    for (int i = 0; i < 6; ++i)
        press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), box(*form, "txtExp1JobRes3"));
    press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), testsupport::child<QPushButton>(*form, "PushButton1"));
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), box(*form, "txtExp1JobRes3"));
    box(*form, "txtDateEmployment1")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), tabs(*form)->tabBar());
    press(Qt::Key_Left);
    EXPECT_EQ(tabs(*form)->currentIndex(), 0);
    press(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), box(*form, "txtEmail"));
}

TEST_F(Form1FocusTest, CtrlPageKeysAndCtrlTabChooseAPageFromAnywhere)
{
    auto form = shownAndActive();
    box(*form, "txtYourName")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs(*form)->currentIndex(), 1);
    EXPECT_EQ(QApplication::focusWidget(), box(*form, "txtYourName")) << "a personal field keeps the focus";
    press(Qt::Key_PageUp, Qt::ControlModifier);
    press(Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs(*form)->currentIndex(), 5) << "round from the first page to the last";
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs(*form)->currentIndex(), 0);
    testsupport::child<QPushButton>(*form, "PushButton2")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(tabs(*form)->currentIndex(), 1);
    box(*form, "txtCompany1")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(tabs(*form)->currentIndex(), 0);
    EXPECT_EQ(QApplication::focusWidget(), box(*form, "txtObjective")) << "the focus follows into the page shown";
}

TEST_F(Form1FocusTest, ScreenReadersHearEveryFieldByItsLabelAndTheTabsTakeTheFocus)
{
    auto form = shownAndActive();
    QStringList names;
    for (const auto &field : entry::resumeFields()) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(box(*form, field.name));
        ASSERT_TRUE(face) << field.name;
        const QString name = face->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << field.name;
        EXPECT_FALSE(name.contains(QLatin1Char(':'))) << field.name;
        names << name;
    }
    EXPECT_EQ(names.removeDuplicates(), 0) << "no two fields sound alike";
    const auto nameOf = [&](const char *field) {
        return QAccessible::queryAccessibleInterface(box(*form, field))->text(QAccessible::Name);
    };
    EXPECT_EQ(nameOf("txtYourName"), QStringLiteral("Your Name"));
    EXPECT_EQ(nameOf("txtCity"), QStringLiteral("City/State"));
    EXPECT_EQ(nameOf("txtCompany1"), QStringLiteral("Company Name, Experience 1"));
    EXPECT_EQ(nameOf("txtExp3JobRes2"), QStringLiteral("Job reponsibilities /achievements 2, Experience 3"));
    EXPECT_EQ(nameOf("txtSchoolCity"), QStringLiteral("City, State"));
    EXPECT_EQ(nameOf("txtObjective"), QStringLiteral("Describe your career goal or ideal job"));
    for (QScrollBar *bar : form->findChildren<QScrollBar *>())
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Name).isEmpty()) << "scroll bars too";
    EXPECT_TRUE(tabs(*form)->tabBar()->focusPolicy() & Qt::TabFocus);
    QAccessibleInterface *strip = QAccessible::queryAccessibleInterface(tabs(*form)->tabBar());
    ASSERT_TRUE(strip && strip->childCount() >= 6);
    EXPECT_TRUE(strip->child(2)->state().focusable) << "a page tab can take the focus";
}
