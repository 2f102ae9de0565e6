#include "shell/errorreport.h"
#include "automation/failure.h"
#include "shell/qtdialogs.h"
#include "shell/steps.h"
#include "support/scripteddialogs.h"

#include <gtest/gtest.h>

using shell::Steps;
using testsupport::ScriptedDialogs;

TEST(ErrorReport, TextIsTheFivePiecesJoinedExactly)
{
    const QString text = shell::errorReportText(QStringLiteral("Disk full"),
                                                shell::locationText(QStringLiteral("Form1.Form_Load")), 104);
    EXPECT_EQ(text, QStringLiteral("Disk full\r\nin Quessary2021/08/31.Form1.Form_Load at line 104\r\r"
                                   "Please email screenshot of this message to support@tarnwick.example"));
}

TEST(ErrorReport, BoxShowsFourLinesWithAnEmptyThirdLine)
{
    const QString shown = shell::QtDialogs::displayText(
        shell::errorReportText(QStringLiteral("Bad"), shell::locationText(QStringLiteral("Form2.RedrawImage")), 7));
    const QStringList lines = shown.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], QStringLiteral("Bad"));
    EXPECT_EQ(lines[1], QStringLiteral("in Quessary2021/08/31.Form2.RedrawImage at line 7"));
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Please email screenshot")));
}

TEST(Steps, EachFailingStepIsReportedOnceWithItsOwnNumberAndTheNextStepRuns)
{
    ScriptedDialogs dialogs;
    const Steps steps(QStringLiteral("Resume.GenerateResume"));
    std::vector<int> ran;
    EXPECT_TRUE(steps.run(100, [&] { ran.push_back(100); }));
    EXPECT_FALSE(steps.run(102, [&] { throw automation::Failure(QStringLiteral("Word stopped: 東京")); }));
    EXPECT_FALSE(steps.run(104, [&] { throw std::logic_error("plain failure"); }));
    EXPECT_FALSE(steps.run(106, [&] { throw 42; }));
    EXPECT_TRUE(steps.run(108, [&] { ran.push_back(108); }));

    EXPECT_EQ(ran, (std::vector<int>{100, 108}));
    const QStringList reports = dialogs.errorReports();
    ASSERT_EQ(reports.size(), 3);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("Word stopped: 東京\r\nin Quessary2021/08/31.Resume.GenerateResume at line 102\r\r")));
    EXPECT_TRUE(reports[1].startsWith(QStringLiteral("plain failure\r\n")));
    EXPECT_TRUE(reports[1].contains(QStringLiteral("at line 104\r\r")));
    EXPECT_TRUE(reports[2].startsWith(QStringLiteral("Unknown failure.\r\n")));
    for (const auto &request : dialogs.messages()) {
        EXPECT_EQ(request.icon, shell::MessageIcon::Warning);
        EXPECT_EQ(request.buttons, shell::MessageButtons::Ok);
    }
}

TEST(QtDialogs, FilterPairsBecomeQtNameFilters)
{
    EXPECT_EQ(shell::QtDialogs::qtFilter(QStringLiteral("Word Files (*.doc)|*.doc")), QStringLiteral("Word Files (*.doc)"));
    EXPECT_EQ(shell::QtDialogs::qtFilter(QStringLiteral("Documents|*.doc;*.rtf|All|*")),
              QStringLiteral("Documents (*.doc *.rtf);;All (*)"));
}
