// Where the keyboard focus goes and what it selects, driven by key presses and
// window activation as a user makes them.
#include "form1fixture.h"
#include "support/widgets.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class Form1FocusTest : public Form1Test {};

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
