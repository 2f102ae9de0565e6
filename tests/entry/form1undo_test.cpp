// Undoing a one-click replacement of the whole record, through the notice's
// button and Ctrl+Z, and after a crash.
#include "form1fixture.h"
#include "support/widgets.h"
#include "entry/sampledata.h"
#include "entry/undobar.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

class Form1UndoTest : public Form1Test {
protected:
    // A value for every field that differs from the sample and from empty;
    // the multi-line fields get two lines.
    static QString ownValue(int row)
    {
        const entry::ResumeField &field = entry::resumeFields()[static_cast<std::size_t>(row)];
        return field.multiLine ? QStringLiteral("Line one of %1\r\nline two").arg(row)
                               : QStringLiteral("Own %1").arg(row);
    }

    void storeOwnRecord()
    {
        for (int row = 0; row < entry::resumeFieldCount; ++row)
            store(entry::resumeFields()[static_cast<std::size_t>(row)].key, ownValue(row));
    }

    void expectOwnRecord(const entry::Form1 &form)
    {
        for (int row = 0; row < entry::resumeFieldCount; ++row) {
            const entry::ResumeField &field = entry::resumeFields()[static_cast<std::size_t>(row)];
            EXPECT_EQ(text(form, field.name), ownValue(row)) << field.name;
            EXPECT_EQ(stored(field.key), ownValue(row)) << field.key;
        }
    }

    static entry::UndoBar *bar(const entry::Form1 &form) { return testsupport::child<entry::UndoBar>(form, "UndoBar"); }
    static QString notice(const entry::Form1 &form)
    {
        return testsupport::child<QLabel>(form, "UndoMessage")->text();
    }
};

} // namespace

TEST_F(Form1UndoTest, UndoAfterClearPutsEveryFieldBackInTheWindowAndTheStore)
{
    storeOwnRecord();
    auto form = shownAndActive();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    ASSERT_TRUE(bar(*form)->isVisible());
    EXPECT_EQ(notice(*form), QStringLiteral("All fields cleared."));
    EXPECT_EQ(stored("Your Name"), QString());
    EXPECT_LE(bar(*form)->geometry().bottom(), form->height()) << "at the foot of the window";
    EXPECT_GE(bar(*form)->geometry().top(), testsupport::child<QPushButton>(*form, "PushButton3")->geometry().bottom());
    testsupport::child<QPushButton>(*form, "UndoButton")->click();
    expectOwnRecord(*form);
    EXPECT_FALSE(bar(*form)->isVisible());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form1UndoTest, CtrlZInATextBoxUndoesTheSample)
{
    storeOwnRecord();
    auto form = shownAndActive();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    EXPECT_EQ(notice(*form), QStringLiteral("Sample resume loaded."));
    EXPECT_EQ(text(*form, "txtYourName"), entry::sampleValue(0));
    form->field(QStringLiteral("txtCity"))->widget()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    expectOwnRecord(*form);
    EXPECT_FALSE(bar(*form)->isVisible());
}

TEST_F(Form1UndoTest, TheNextEditEndsTheOffer)
{
    storeOwnRecord();
    auto form = shownAndActive();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    form->field(QStringLiteral("txtYourName"))->widget()->setFocus(Qt::OtherFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bo"));
    EXPECT_FALSE(bar(*form)->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(*form, "txtStreetAddress"), QString()) << "nothing comes back once the user has moved on";
    form.reset();
    auto again = start();
    EXPECT_FALSE(bar(*again)->isVisible()) << "nothing is kept for a later run either";
}

TEST_F(Form1UndoTest, TheRecordSurvivesACrashWhileTheOfferShows)
{
    storeOwnRecord();
    auto form = start();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    form.release()->deleteLater(); // the process dies: no closing code runs
    auto again = start();
    ASSERT_TRUE(bar(*again)->isVisible() || bar(*again)->isOffering());
    EXPECT_EQ(text(*again, "txtYourName"), entry::sampleValue(0));
    testsupport::child<QPushButton>(*again, "UndoButton")->click();
    expectOwnRecord(*again);
}

TEST_F(Form1UndoTest, ACommandThatChangesNothingOffersNothing)
{
    auto form = start();
    const quint64 before = writes();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    EXPECT_FALSE(bar(*form)->isOffering());
    EXPECT_EQ(writes(), before);
}

TEST_F(Form1UndoTest, TheUndoButtonIsReachedWithTabAndPressedWithReturn)
{
    storeOwnRecord();
    auto form = shownAndActive();
    testsupport::child<QPushButton>(*form, "PushButton2")->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(bar(*form)->isOffering());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), testsupport::child<QPushButton>(*form, "UndoButton"));
    EXPECT_FALSE(bar(*form)->accessibleName().isEmpty()) << "screen readers hear what happened";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    expectOwnRecord(*form);
}

TEST_F(Form1UndoTest, TheOfferEndsByItselfAfterItsTimeAndTakesTheKeptRecordWithIt)
{
    storeOwnRecord();
    auto form = shownAndActive();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    QTest::qWait(entry::UndoBar::shownMilliseconds - 2000);
    EXPECT_TRUE(bar(*form)->isVisible()) << "still offered shortly before its time is up";
    for (int waited = 0; bar(*form)->isOffering() && waited < 6000; waited += 50)
        QTest::qWait(50);
    EXPECT_FALSE(bar(*form)->isVisible());
    form->field(QStringLiteral("txtCity"))->widget()->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(*form, "txtYourName"), QString()) << "Ctrl+Z brings nothing back once the offer has ended";
    form.reset();
    auto again = start();
    EXPECT_FALSE(bar(*again)->isOffering()) << "the record kept for undo is gone from the store";
    EXPECT_EQ(text(*again, "txtYourName"), QString());
}

TEST_F(Form1UndoTest, TheNoticeAfterACrashFitsCoversNoFieldOrLabelAndIsAnAlert)
{
    storeOwnRecord();
    auto form = start();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    form.release()->deleteLater(); // the process dies while the notice shows
    auto again = shownAndActive();
    entry::UndoBar *notice = bar(*again);
    ASSERT_TRUE(notice->isVisible());
    auto *message = testsupport::child<QLabel>(*again, "UndoMessage");
    EXPECT_LE(message->heightForWidth(message->width()), message->height()) << "the whole text shows";
    EXPECT_TRUE(again->rect().contains(notice->geometry()));
    for (QWidget *widget : again->findChildren<QWidget *>()) {
        const bool fieldOrLabel = qobject_cast<QLabel *>(widget) || widget->objectName().startsWith(QStringLiteral("txt"));
        if (!fieldOrLabel || !widget->isVisible() || notice->isAncestorOf(widget))
            continue;
        const QRect place(widget->mapTo(again.get(), QPoint(0, 0)), widget->size());
        EXPECT_FALSE(place.intersects(notice->geometry())) << widget->objectName().toStdString();
    }
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(notice);
    ASSERT_TRUE(face);
    EXPECT_EQ(face->role(), QAccessible::AlertMessage);
    EXPECT_TRUE(face->text(QAccessible::Name).startsWith(QStringLiteral("The resume replaced")));
    testsupport::child<QPushButton>(*again, "UndoButton")->click();
    EXPECT_EQ(again->height(), 526) << "the window is its own size again once the notice has gone";
}
