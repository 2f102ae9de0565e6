#include "entry/sampledata.h"
#include "support/widgets.h"

#include <QPushButton>
#include "form1fixture.h"

#include "shell/windowpointer.h"

#include <QRegularExpression>
#include <QTabWidget>

TEST_F(Form1Test, SampleDataFillsTwoJobsAndLeavesTheThirdBlank)
{
    auto form = start();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    int empty = 0;
    for (const auto &field : entry::resumeFields()) {
        const QString value = text(*form, field.name);
        EXPECT_FALSE(value.contains(QLatin1Char('\n'))) << field.name;
        empty += value.isEmpty();
    }
    EXPECT_EQ(empty, 10);
    EXPECT_EQ(text(*form, "txtSpecialAwards"), QStringLiteral("None"));
    EXPECT_EQ(text(*form, "txtReferences"), QStringLiteral("None"));
    EXPECT_TRUE(text(*form, "txtExp2JobRes1").isEmpty());
    EXPECT_TRUE(text(*form, "txtJobTitle3").isEmpty());
    EXPECT_FALSE(text(*form, "txtExp1JobRes3").isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{3}-\\d{3}-\\d{4}$")).match(text(*form, "txtPhone")).hasMatch());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{5}$")).match(text(*form, "txtZipCode")).hasMatch());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form1Test, SampleDataIsStoredAndSurvivesARestart)
{
    auto form = start();
    const quint64 before = writes();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    EXPECT_EQ(writes() - before, 24u + 1) << "only the boxes that changed are written, and the record kept for undo";
    const quint64 second = writes();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    EXPECT_EQ(writes(), second) << "loading the example again changes nothing";
    form.reset();

    auto again = start();
    for (int row = 0; row < entry::resumeFieldCount; ++row)
        EXPECT_EQ(again->field(QString::fromLatin1(entry::resumeFields()[row].name))->text(), entry::sampleValue(row));
}

TEST_F(Form1Test, SampleDataOverAFilledThirdJobEmptiesIt)
{
    store("Job Title 3", QStringLiteral("Pilot"));
    store("Job Responsibility 3.2", QStringLiteral("Flew"));
    auto form = start();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    EXPECT_TRUE(text(*form, "txtJobTitle3").isEmpty());
    EXPECT_EQ(stored("Job Title 3"), QString());
    EXPECT_EQ(stored("Job Responsibility 3.2"), QString());
}

TEST_F(Form1Test, ClearEmptiesEveryFieldAndARestartShowsAnEmptyWindow)
{
    auto form = start();
    const quint64 before = writes();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    EXPECT_EQ(writes(), before) << "clearing an empty window writes nothing";
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    const quint64 filled = writes();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    EXPECT_EQ(writes() - filled, 24u + 1) << "the changed boxes and the record kept for undo";
    form.reset();

    auto again = start();
    for (const auto &field : entry::resumeFields())
        EXPECT_TRUE(text(*again, field.name).isEmpty()) << field.name;
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form1Test, CommandsLeaveTheSelectedTabAlone)
{
    auto form = start();
    testsupport::child<QTabWidget>(*form, "SSTab1")->setCurrentIndex(3);
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    EXPECT_EQ(testsupport::child<QTabWidget>(*form, "SSTab1")->currentIndex(), 3);
}

TEST_F(Form1Test, CreateCommandIsIgnoredWhileBusyAndAlwaysEndsIdle)
{
    auto form = start();
    int runs = 0;
    shell::WindowPointer::Shape shapeDuringRun = shell::WindowPointer::Shape::Arrow;
    form->setResumeGenerator([&] {
        ++runs;
        shapeDuringRun = form->pointer().shape();
        testsupport::child<QPushButton>(*form, "PushButton1")->click(); // a second click arriving while the first runs
        throw std::runtime_error("engine gave up");
    });
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(shapeDuringRun, shell::WindowPointer::Shape::Busy);
    EXPECT_EQ(form->pointer().shape(), shell::WindowPointer::Shape::Arrow);
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_EQ(reports[0].section(QLatin1Char('\r'), 0, 0), QStringLiteral("engine gave up"));
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Form1.PushButton1_Click at line 106")));
    form->setResumeGenerator([&] { ++runs; });
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    EXPECT_EQ(runs, 2) << "the command is idle again after a failed run";
}

TEST_F(Form1Test, ClosingTheWindowEndsTheProgram)
{
    auto form = start();
    form->show();
    form->close();
    ASSERT_TRUE(m_endStatus.has_value());
    EXPECT_EQ(*m_endStatus, 0);
}
