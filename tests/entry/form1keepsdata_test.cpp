// The data-entry window never loses what the user typed: not to a store that
// cannot be written, a field's length, a burst of clicks, or a dark desktop.
#include "form1fixture.h"
#include "support/widgets.h"

#include "support/fulldisk.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

TEST_F(Form1Test, AStoreThatCannotBeWrittenStillShowsEverythingAndSaysSoOnce)
{
    store("Your Name", QStringLiteral("Ann Lee"));
    store("Email", QStringLiteral("ann@example.com"));
    store("Objective", QStringLiteral("Lead\r\na team"));
    store("References", QStringLiteral("None"));
    std::unique_ptr<entry::Form1> form;
    {
        const testsupport::FullDisk full(0);
        form = start();
        EXPECT_EQ(text(*form, "txtYourName"), QStringLiteral("Ann Lee"));
        EXPECT_EQ(text(*form, "txtEmail"), QStringLiteral("ann@example.com"));
        EXPECT_EQ(text(*form, "txtObjective"), QStringLiteral("Lead\r\na team"));
        EXPECT_EQ(text(*form, "txtReferences"), QStringLiteral("None"));
        const QStringList reports = m_dialogs.errorReports();
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].contains(QStringLiteral("changes cannot be kept")));
        EXPECT_TRUE(reports[0].contains(QStringLiteral("Form1.Form_Load at line")));

        // Every later change still tries; the same failure is not reported
        // again, the notice says it for as long as it lasts.
        QTest::keyClicks(form->field(QStringLiteral("txtPhone"))->widget(), QStringLiteral("5"));
        EXPECT_EQ(m_dialogs.errorReports().size(), 1);
        EXPECT_FALSE(testsupport::child<QWidget>(*form, "UndoBar")->isHidden()) << "the notice says so";
    }
    EXPECT_EQ(stored("Your Name"), QStringLiteral("Ann Lee"));
    QTest::keyClicks(form->field(QStringLiteral("txtPhone"))->widget(), QStringLiteral("4"));
    EXPECT_EQ(stored("Phone"), QStringLiteral("54")) << "once the disk has room the next keystroke stores it all";
}

TEST_F(Form1Test, ClearAndSampleReportAFailedFieldAtTheirOwnStep)
{
    auto form = start();
    form->field(QStringLiteral("txtYourName"))->setText(QStringLiteral("Ann Lee"));
    const testsupport::FullDisk full(0);
    testsupport::child<QPushButton>(*form, "PushButton2")->click();
    testsupport::child<QPushButton>(*form, "PushButton3")->click();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 2) << "one report for each command, not one per field";
    EXPECT_TRUE(reports.first().contains(QStringLiteral("Form1.PushButton2_Click at line 100\r\r")));
    EXPECT_TRUE(reports.last().contains(QStringLiteral("Form1.PushButton3_Click at line 100\r\r")));
    for (const QString &report : reports)
        EXPECT_FALSE(report.contains(QStringLiteral("_Change"))) << report.toStdString();
}

TEST_F(Form1Test, AFieldHasNoLengthLimit)
{
    const QString longName = QString(40000, QLatin1Char('n')) + QStringLiteral(" end");
    store("Your Name", longName);
    auto form = start();
    EXPECT_EQ(text(*form, "txtYourName"), longName);
    EXPECT_EQ(stored("Your Name"), longName);
    QTest::keyClick(form->field(QStringLiteral("txtYourName"))->widget(), Qt::Key_End);
    QTest::keyClicks(form->field(QStringLiteral("txtYourName"))->widget(), QStringLiteral("!"));
    EXPECT_EQ(stored("Your Name"), longName + QLatin1Char('!'));
}

TEST_F(Form1Test, ABurstOfClicksCreatesOneDocument)
{
    auto form = start();
    form->show();
    int runs = 0;
    form->setResumeGenerator([&] {
        ++runs;
        // The renderer lets events through while it draws: one press arrives
        // now, and a whole click waits in the queue.
        QTest::mousePress(testsupport::child<QPushButton>(*form, "PushButton1"), Qt::LeftButton);
        QCoreApplication::postEvent(testsupport::child<QPushButton>(*form, "PushButton1"),
                                    new QMouseEvent(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5),
                                                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
        QCoreApplication::postEvent(testsupport::child<QPushButton>(*form, "PushButton1"),
                                    new QMouseEvent(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5),
                                                    Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
    });
    QTest::mouseClick(testsupport::child<QPushButton>(*form, "PushButton1"), Qt::LeftButton);
    QTest::mouseRelease(testsupport::child<QPushButton>(*form, "PushButton1"), Qt::LeftButton); // the first press's release, after the run
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);

    QTest::mouseClick(testsupport::child<QPushButton>(*form, "PushButton1"), Qt::LeftButton);
    EXPECT_EQ(runs, 2) << "a click after the run starts the next one";

    form->setResumeGenerator([&] {
        ++runs;
        form->hide(); // as the real run does when the preview comes
    });
    QTest::mouseClick(testsupport::child<QPushButton>(*form, "PushButton1"), Qt::LeftButton);
    QTest::mouseClick(testsupport::child<QPushButton>(*form, "PushButton1"), Qt::LeftButton);
    EXPECT_EQ(runs, 3) << "a click on the hidden window starts nothing";
}

TEST_F(Form1Test, LabelsStayReadableUnderADarkColourScheme)
{
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    dark.setColor(QPalette::Window, QColor(30, 30, 30));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    QApplication::setPalette(dark);
    auto form = start();
    for (const QLabel *label : testsupport::child<QGroupBox>(*form, "Frame1")->findChildren<QLabel *>()) {
        const QColor text = label->palette().color(QPalette::WindowText);
        const QColor ground = label->parentWidget()->palette().color(QPalette::Window);
        EXPECT_GT(std::abs(ground.lightness() - text.lightness()), 128) << label->text().toStdString();
    }
    QApplication::setPalette(before);
}
