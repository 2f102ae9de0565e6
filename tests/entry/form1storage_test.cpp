#include "form1fixture.h"
#include "support/widgets.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>

TEST_F(Form1Test, FirstStartShowsEmptyFieldsAndWritesNothing)
{
    const quint64 before = writes();
    auto form = start();
    for (const auto &field : entry::resumeFields())
        EXPECT_TRUE(text(*form, field.name).isEmpty());
    EXPECT_EQ(writes(), before);
    EXPECT_FALSE(QFile::exists(shell::SettingsStore::fileName()));
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form1Test, RestoreBringsBackEveryCharacterAndWritesNonEmptyValuesBackUnchanged)
{
    const QString objective = QStringLiteral("Line one\r\nLine two\r\n\r\n  indented ");
    const QString name = QStringLiteral("Zoë Ødegård — 東京 🎓");
    const QString longText = QString(4000, QLatin1Char('w')) + QStringLiteral(" end");
    const QString singleWithBreak = QStringLiteral("two\r\nlines");
    store("Objective", objective);
    store("Your Name", name);
    store("Street Address", QStringLiteral("  12 Elm St  "));
    store("Job Responsibility 3.3", longText);
    store("City", singleWithBreak);

    const quint64 before = writes();
    auto form = start();
    EXPECT_EQ(text(*form, "txtObjective"), objective);
    EXPECT_EQ(text(*form, "txtYourName"), name);
    EXPECT_EQ(text(*form, "txtStreetAddress"), QStringLiteral("  12 Elm St  "));
    EXPECT_EQ(text(*form, "txtExp3JobRes3"), longText);
    EXPECT_EQ(text(*form, "txtCity"), singleWithBreak);
    EXPECT_EQ(text(*form, "txtPhone"), QString());
    EXPECT_EQ(writes() - before, 5u) << "each restored non-empty value is written back once";
    EXPECT_EQ(stored("Objective"), objective);
    EXPECT_EQ(stored("City"), singleWithBreak);
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form1Test, TypingStoresTheWholeTextOncePerKeystroke)
{
    auto form = start();
    form->show();
    QWidget *city = form->field(QStringLiteral("txtCity"))->widget();
    const quint64 before = writes();
    QTest::keyClicks(city, QStringLiteral("Salem, OR"));
    EXPECT_EQ(writes() - before, 9u);
    EXPECT_EQ(stored("City"), QStringLiteral("Salem, OR"));
    QTest::keyClick(city, Qt::Key_Backspace);
    EXPECT_EQ(stored("City"), QStringLiteral("Salem, O"));
}

TEST_F(Form1Test, MultiLineFieldsStoreCarriageReturnLineFeed)
{
    auto form = start();
    form->show();
    testsupport::child<QTabWidget>(*form, "SSTab1")->setCurrentIndex(5);
    QWidget *references = form->field(QStringLiteral("txtReferences"))->widget();
    QTest::keyClicks(references, QStringLiteral("Ann Lee"));
    QTest::keyClick(references, Qt::Key_Return);
    QTest::keyClicks(references, QStringLiteral("Bo\u00a0Yu"));
    EXPECT_EQ(stored("References"), QStringLiteral("Ann Lee\r\nBo\u00a0Yu"));
    EXPECT_EQ(text(*form, "txtReferences"), QStringLiteral("Ann Lee\r\nBo\u00a0Yu"));
}

TEST_F(Form1Test, SettingTheTextABoxAlreadyHoldsWritesNothing)
{
    auto form = start();
    form->field(QStringLiteral("txtObjective"))->setText(QStringLiteral("a\r\nb"));
    form->field(QStringLiteral("txtEmail"))->setText(QStringLiteral("x@y"));
    const quint64 before = writes();
    form->field(QStringLiteral("txtObjective"))->setText(QStringLiteral("a\r\nb"));
    form->field(QStringLiteral("txtEmail"))->setText(QStringLiteral("x@y"));
    EXPECT_EQ(writes(), before);
}

TEST_F(Form1Test, FocusSelectsTheWholeText)
{
    auto form = start();
    form->show();
    QApplication::setActiveWindow(form.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    form->field(QStringLiteral("txtPhone"))->setText(QStringLiteral("541-555-0187"));
    form->field(QStringLiteral("txtObjective"))->setText(QStringLiteral("one\r\ntwo"));
    auto *phone = static_cast<QLineEdit *>(form->field(QStringLiteral("txtPhone"))->widget());
    phone->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(phone->selectedText(), QStringLiteral("541-555-0187"));
    auto *objective = static_cast<QPlainTextEdit *>(form->field(QStringLiteral("txtObjective"))->widget());
    objective->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(objective->textCursor().selectedText(), QStringLiteral("one\u2029two"));
}

TEST_F(Form1Test, AFailedWriteIsReportedOnceWhileItLastsAndTheTextStaysInItsBox)
{
    auto form = start();
    form->show();
    QFile blocker(m_settingsFolder + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName() + QStringLiteral("/config")));
    QTest::keyClicks(form->field(QStringLiteral("txtZipCode"))->widget(), QStringLiteral("97"));
    QTest::keyClicks(form->field(QStringLiteral("txtPhone"))->widget(), QStringLiteral("5"));
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1) << "later failures of the same kind are not shown again";
    EXPECT_TRUE(reports[0].contains(QStringLiteral("\"Zip Code\"")));
    EXPECT_TRUE(reports[0].contains(QStringLiteral("\r\nin Quessary2021/08/31.Form1.txtZipCode_Change at line 0\r\r")));
    EXPECT_EQ(text(*form, "txtZipCode"), QStringLiteral("97"));
    auto *notice = testsupport::child<QWidget>(*form, "UndoBar");
    EXPECT_TRUE(notice->isVisible()) << "the window says changes are not kept";
    EXPECT_TRUE(notice->accessibleName().contains(QStringLiteral("not being kept")));

    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_settingsFolder));
    QTest::keyClicks(form->field(QStringLiteral("txtPhone"))->widget(), QStringLiteral("4"));
    EXPECT_EQ(stored("Phone"), QStringLiteral("54"));
    EXPECT_FALSE(notice->isVisible()) << "gone once a write has succeeded";
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName() + QStringLiteral("/config")));
    QTest::keyClicks(form->field(QStringLiteral("txtPhone"))->widget(), QStringLiteral("3"));
    EXPECT_EQ(m_dialogs.errorReports().size(), 2) << "a failure after a success is reported again";
}
