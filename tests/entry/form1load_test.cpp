#include "form1fixture.h"
#include "support/widgets.h"

#include "shell/skin.h"
#include "shell/windowpointer.h"

#include <QFileInfo>
#include <QGroupBox>

#include <QDir>
#include <QFile>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A 1-bit 32 x 32 cursor with its hot spot at (5, 7).
QByteArray smallCursor()
{
    QByteArray bytes;
    auto put16 = [&bytes](int v) { bytes.append(char(v & 0xff)).append(char((v >> 8) & 0xff)); };
    auto put32 = [&](int v) { put16(v & 0xffff); put16((v >> 16) & 0xffff); };
    const int imageSize = 40 + 8 + 32 * 4 * 2;
    put16(0); put16(2); put16(1);
    bytes.append(char(32)).append(char(32)).append(char(0)).append(char(0));
    put16(5); put16(7); put32(imageSize); put32(22);
    put32(40); put32(32); put32(64); put16(1); put16(1); put32(0); put32(0); put32(0); put32(0); put32(2); put32(0);
    put32(0); put32(0x00ffffff);
    bytes.append(QByteArray(32 * 4, char(0xff)));  // colour bits
    bytes.append(QByteArray(32 * 4, char(0x00)));  // mask: all opaque
    return bytes;
}

} // namespace

TEST_F(Form1Test, ASkinThatCannotBeAppliedGivesOneReportAndTheWindowStillLoads)
{
    writeFile(m_programFolder + QStringLiteral("/x/o.cjs"), QByteArray("QWidget { color: \xff; "));
    store("Your Name", QStringLiteral("Ann"));
    auto form = start();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("\r\nin Quessary2021/08/31.Form1.Form_Load at line 100\r\r")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Parvolin"));
    EXPECT_EQ(text(*form, "txtYourName"), QStringLiteral("Ann"));
    EXPECT_FALSE(m_endStatus.has_value());
}

TEST_F(Form1Test, AWorkingSkinColoursTheWindow)
{
    writeFile(m_programFolder + QStringLiteral("/x/o.cjs"), QByteArray("QPushButton { color: navy; }"));
    auto form = start();
    EXPECT_TRUE(m_dialogs.messages().empty());
    EXPECT_EQ(form->palette().color(QPalette::Window), shell::buttonFaceColor());
    EXPECT_EQ(testsupport::child<QGroupBox>(*form, "Frame1")->palette().color(QPalette::Window), shell::buttonFaceColor());
    EXPECT_EQ(form->styleSheet(), QStringLiteral("QPushButton { color: navy; }"));
}

TEST_F(Form1Test, WithoutSkinTheWindowIsWhite)
{
    auto form = start();
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(testsupport::child<QGroupBox>(*form, "Frame1")->palette().color(QPalette::Window), QColor(Qt::white));
}

TEST_F(Form1Test, HandCursorBesideTheProgramIsTheCustomPointer)
{
    writeFile(m_programFolder + QStringLiteral("/HAND-M.CUR"), smallCursor());
    auto form = start();
    EXPECT_TRUE(m_dialogs.messages().empty());
    ASSERT_TRUE(form->pointer().hasCustomCursor());
    form->pointer().overButton();
    EXPECT_EQ(form->cursor().hotSpot(), QPoint(5, 7));
}

TEST_F(Form1Test, ADamagedCursorFileIsReportedAtStep108)
{
    writeFile(m_programFolder + QStringLiteral("/HAND-M.CUR"), QByteArray("not a cursor"));
    auto form = start();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Form1.Form_Load at line 108")));
    EXPECT_FALSE(form->pointer().hasCustomCursor());
}

TEST_F(Form1Test, AnUnreadableStoreCostsOneReportNotOnePerFieldAndTheRestStillLoads)
{
    writeFile(shell::SettingsStore::fileName(), QByteArray());
    QFile::remove(shell::SettingsStore::fileName());
    QDir().mkpath(shell::SettingsStore::fileName()); // a folder where the file should be
    auto form = start();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports.first().contains(QStringLiteral("at line 128\r\r")));
    EXPECT_FALSE(m_endStatus.has_value());
}

TEST_F(Form1Test, WithoutAWordProcessorTheAdviceComesAfterTheFieldsAndTheProgramEnds)
{
    store("Your Name", QStringLiteral("Ann"));
    qputenv("PARVOLIN_ENGINE", "no-such-engine");
    auto form = start();
    ASSERT_EQ(m_dialogs.messages().size(), 1u);
    const auto &advice = m_dialogs.messages().front();
    EXPECT_EQ(advice.caption, QStringLiteral("Parvolin"));
    EXPECT_EQ(advice.icon, shell::MessageIcon::None);
    EXPECT_EQ(advice.buttons, shell::MessageButtons::Ok);
    EXPECT_TRUE(advice.text.startsWith(QStringLiteral("Error 842001. A normal instance of Word could not be created.\r\n\r\n1. Please")));
    EXPECT_TRUE(advice.text.endsWith(QStringLiteral("except for the rare Word Starter and Student editions.")));
    EXPECT_EQ(advice.text.count(QStringLiteral("\r\n\r\n")), 4);
    EXPECT_EQ(text(*form, "txtYourName"), QStringLiteral("Ann"));
    ASSERT_TRUE(m_endStatus.has_value());
    EXPECT_NE(*m_endStatus, 0);
}
