#include "automation/failure.h"
#include "shell/settingsfile.h"
#include "shell/settingsstore.h"
#include "support/fulldisk.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include <sys/stat.h>

using shell::SettingsStore;

namespace {

const QStringList &awkwardValues()
{
    static const QStringList values = {
        QStringLiteral("first line\r\nsecond line\r\n\r\nfourth"),
        QStringLiteral("   leading and trailing   "),
        QStringLiteral("Zoë Ødegård — 東京 🎓"),
        QStringLiteral("a, b, c"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("@Variant(\\0\\0\\0\\x7f)"),
        QStringLiteral("@"),
        QStringLiteral("x = y; z"),
        QStringLiteral("[Parvolin]\nkey=value"),
        QStringLiteral("back\\slash\\\\double\\"),
        QStringLiteral("tab\there\x01\x02" "1f"),
        QString(QChar(0)) + QStringLiteral("7 after a zero"),
        QString(),
    };
    return values;
}

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override { m_folder = testsupport::freshSettingsFolder(); }

    static void put(const QByteArray &bytes)
    {
        QFile file(SettingsStore::fileName());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray contents()
    {
        QFile file(SettingsStore::fileName());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString m_folder;
    SettingsStore m_store;
};

} // namespace

// Stores written by Qt's own INI writer (earlier versions of the program, or
// anything else of the vendor's) read the same, and the other way round.
TEST_F(SettingsFileTest, ReadsWhatQtWritesAndWritesWhatQtReads)
{
    {
        QSettings qt(SettingsStore::fileName(), QSettings::IniFormat);
        for (int i = 0; i < awkwardValues().size(); ++i)
            qt.setValue(QStringLiteral("Parvolin/Key %1/ü").arg(i), awkwardValues()[i]);
        qt.setValue(QStringLiteral("Other/Your Name"), QStringLiteral("not ours"));
    }
    for (int i = 0; i < awkwardValues().size(); ++i)
        EXPECT_EQ(m_store.read(QStringLiteral("Key %1/ü").arg(i)), awkwardValues()[i]) << i;
    EXPECT_EQ(m_store.read(QStringLiteral("Your Name")), QString());

    for (int i = 0; i < awkwardValues().size(); ++i)
        m_store.write(QStringLiteral("Mine %1").arg(i), awkwardValues()[i]);
    const QSettings qt(SettingsStore::fileName(), QSettings::IniFormat);
    for (int i = 0; i < awkwardValues().size(); ++i)
        EXPECT_EQ(qt.value(QStringLiteral("Parvolin/Mine %1").arg(i)).toString(), awkwardValues()[i]) << i;
    EXPECT_EQ(qt.value(QStringLiteral("Other/Your Name")).toString(), QStringLiteral("not ours"));
}

TEST_F(SettingsFileTest, AStrayQuoteDamagesOneValueAndNeverTheKeysAfterIt)
{
    put("[Parvolin]\r\nEmail=\"ann@example.com\r\nPhone=541-555-0187\r\nYour%20Name=Ann Lee\r\n"
        "; a comment\r\nCity=Salem\\\r\n[Other]\r\nPhone=1\r\n");
    try {
        m_store.read(QStringLiteral("Email"));
        FAIL() << "a value the program never writes was read as if it were sound";
    } catch (const automation::Failure &failure) {
        EXPECT_TRUE(failure.description().contains(QStringLiteral("\"Email\"")));
        EXPECT_TRUE(failure.description().contains(QStringLiteral("line 2")));
    }
    EXPECT_THROW(m_store.read(QStringLiteral("City")), automation::Failure) << "a line that runs on into the next";
    EXPECT_EQ(m_store.read(QStringLiteral("Phone")), QStringLiteral("541-555-0187"));
    EXPECT_EQ(m_store.read(QStringLiteral("Your Name")), QStringLiteral("Ann Lee"));

    // Storing another field keeps every other line exactly, damage included.
    const QByteArray before = contents();
    m_store.write(QStringLiteral("Phone"), QStringLiteral("555"));
    QByteArray expected = before;
    expected.replace("Phone=541-555-0187\r\n", "Phone=555\r\n");
    EXPECT_EQ(contents(), expected);
    // Typing into the damaged field stores it anew, whole.
    m_store.write(QStringLiteral("Email"), QStringLiteral("ann@example.org"));
    EXPECT_EQ(m_store.read(QStringLiteral("Email")), QStringLiteral("ann@example.org"));
    EXPECT_EQ(m_store.read(QStringLiteral("Your Name")), QStringLiteral("Ann Lee"));
}

TEST_F(SettingsFileTest, RepeatedKeysReadAsTheLastAndAreWrittenOnce)
{
    put("[Parvolin]\nPhone=1\nPhone=2\n[Other]\nx=1\n[Parvolin]\nPhone=3\n");
    EXPECT_EQ(m_store.read(QStringLiteral("Phone")), QStringLiteral("3"));
    m_store.write(QStringLiteral("Phone"), QStringLiteral("4"));
    EXPECT_EQ(contents(), QByteArray("[Parvolin]\nPhone=4\n[Other]\nx=1\n[Parvolin]\n"));
    m_store.write(QStringLiteral("Zip Code"), QStringLiteral("97301"));
    EXPECT_EQ(m_store.read(QStringLiteral("Zip Code")), QStringLiteral("97301"));
    EXPECT_EQ(m_store.read(QStringLiteral("Phone")), QStringLiteral("4"));
}

TEST_F(SettingsFileTest, AReadOnlyOrFullStoreStillReadsEverythingAfterAFailedWrite)
{
    m_store.write(QStringLiteral("Your Name"), QStringLiteral("Ann Lee"));
    m_store.write(QStringLiteral("Phone"), QStringLiteral("541-555-0187"));
    const QByteArray before = contents();
    {
        const testsupport::FullDisk full(10);
        EXPECT_THROW(m_store.write(QStringLiteral("Email"), QStringLiteral("ann@example.com")), automation::Failure);
    }
    EXPECT_EQ(contents(), before);
    EXPECT_EQ(m_store.read(QStringLiteral("Your Name")), QStringLiteral("Ann Lee"));
    EXPECT_EQ(m_store.read(QStringLiteral("Phone")), QStringLiteral("541-555-0187"));
    EXPECT_EQ(m_store.read(QStringLiteral("Email")), QString());
}
