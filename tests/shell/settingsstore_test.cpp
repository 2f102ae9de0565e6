#include "automation/failure.h"
#include "shell/settingsstore.h"
#include "support/storewrites.h"
#include "support/testenvironment.h"

#include <QFile>
#include <QSettings>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <thread>

using shell::SettingsStore;

namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { m_folder = testsupport::freshSettingsFolder(); }
    QString m_folder;
    SettingsStore m_store;
};

} // namespace

TEST_F(SettingsStoreTest, LivesInTarnwickConfUnderTheConfigurationFolder)
{
    EXPECT_EQ(SettingsStore::fileName(), m_folder + QStringLiteral("/Tarnwick.conf"));
    m_store.write(QStringLiteral("Your Name"), QStringLiteral("Ann"));
    QSettings raw(SettingsStore::fileName(), QSettings::IniFormat);
    EXPECT_EQ(raw.value(QStringLiteral("Parvolin/Your Name")).toString(), QStringLiteral("Ann"));
}

TEST_F(SettingsStoreTest, MissingKeyAndMissingFileReadAsEmpty)
{
    EXPECT_EQ(m_store.read(QStringLiteral("Job Title 3")), QString());
    EXPECT_FALSE(QFile::exists(SettingsStore::fileName())) << "reading must not create the store";
    m_store.write(QStringLiteral("Phone"), QStringLiteral("1"));
    EXPECT_EQ(m_store.read(QStringLiteral("Email")), QString());
}

TEST_F(SettingsStoreTest, EveryKindOfTextComesBackUnchanged)
{
    const QString values[] = {
        QStringLiteral("first line\r\nsecond line\r\n\r\nfourth"),
        QStringLiteral("   leading and trailing   "),
        QStringLiteral(" "),
        QStringLiteral("Zoë Ødegård — 東京 🎓"),
        QStringLiteral("a, b, c"),
        QStringLiteral("\"quoted\" and 'single'"),
        QStringLiteral("@Variant(\\0\\0\\0\\x7f)"),
        QStringLiteral("true"),
        QStringLiteral("12345"),
        QStringLiteral("; not a comment # nor this"),
        QStringLiteral("[Parvolin]\nkey=value"),
        QStringLiteral("back\\slash\\\\double"),
        QStringLiteral("tab\there"),
        QStringLiteral("None"),
        QString(5000, QLatin1Char('x')) + QStringLiteral("end"),
    };
    int n = 0;
    for (const QString &value : values)
        m_store.write(QStringLiteral("Key %1").arg(n++), value);
    n = 0;
    for (const QString &value : values)
        EXPECT_EQ(m_store.read(QStringLiteral("Key %1").arg(n++)), value) << n;
}

TEST_F(SettingsStoreTest, KeysAreMatchedExactly)
{
    m_store.write(QStringLiteral("City"), QStringLiteral("Salem"));
    m_store.write(QStringLiteral("City 1"), QStringLiteral("Eugene"));
    EXPECT_EQ(m_store.read(QStringLiteral("city")), QString());
    EXPECT_EQ(m_store.read(QStringLiteral("City")), QStringLiteral("Salem"));
    EXPECT_EQ(m_store.read(QStringLiteral("City 1")), QStringLiteral("Eugene"));
}

TEST_F(SettingsStoreTest, AWriteIsOnDiskWhenItReturns)
{
    m_store.write(QStringLiteral("Objective"), QStringLiteral("Lead a team"));
    QFile file(SettingsStore::fileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Lead a team"));
}

TEST_F(SettingsStoreTest, TwoStoresOnOneFileSeeEachOthersWrites)
{
    SettingsStore other;
    m_store.write(QStringLiteral("Company 1"), QStringLiteral("Acme"));
    other.write(QStringLiteral("Company 2"), QStringLiteral("Globex"));
    EXPECT_EQ(m_store.read(QStringLiteral("Company 2")), QStringLiteral("Globex"));
    EXPECT_EQ(other.read(QStringLiteral("Company 1")), QStringLiteral("Acme"));
}

TEST_F(SettingsStoreTest, AWriteThatCannotReachTheDiskFailsWithADescription)
{
    // A configuration folder below an ordinary file can never be created, even for root.
    QFile blocker(m_folder + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_folder + QStringLiteral("/blocker/config")));
    try {
        m_store.write(QStringLiteral("Your Name"), QStringLiteral("Ann"));
        FAIL() << "the write claimed success";
    } catch (const automation::Failure &failure) {
        EXPECT_TRUE(failure.description().contains(QStringLiteral("Your Name")));
        EXPECT_TRUE(failure.description().contains(QStringLiteral("Tarnwick.conf")));
    }
}

TEST_F(SettingsStoreTest, UnchangedStoreCountsNoWrites)
{
    testsupport::StoreWrites writes(m_folder);
    m_store.read(QStringLiteral("Your Name"));
    EXPECT_EQ(writes.count(), 0u);
    m_store.write(QStringLiteral("Your Name"), QStringLiteral("A"));
    EXPECT_EQ(writes.count(), 1u);
}

TEST_F(SettingsStoreTest, AReadOnlySettingsFileIsNotReplaced)
{
    m_store.write(QStringLiteral("Your Name"), QStringLiteral("Ann"));
    const QByteArray file = QFile::encodeName(SettingsStore::fileName());
    QFile before(SettingsStore::fileName());
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    ASSERT_EQ(::chmod(file.constData(), 0444), 0);
    struct stat was {};
    ::stat(file.constData(), &was);
    EXPECT_THROW(m_store.write(QStringLiteral("Your Name"), QStringLiteral("Bob")), automation::Failure);
    struct stat now {};
    ::stat(file.constData(), &now);
    EXPECT_EQ(now.st_ino, was.st_ino) << "the user's own file is still there, not a new one";
    EXPECT_EQ(now.st_mode & 07777, 0444u);
    EXPECT_EQ(m_store.read(QStringLiteral("Your Name")), QStringLiteral("Ann"));
    ::chmod(file.constData(), 0644);
}

TEST_F(SettingsStoreTest, TwoWritersAtOnceNeverEraseEachOthersChanges)
{
    // Each writer stores keys of its own, every one once: a write that read the
    // file before the other's rename and replaced it after would lose a key.
    const int keys = 150;
    const auto writer = [keys](QChar who) {
        SettingsStore store;
        for (int i = 0; i < keys; ++i)
            store.write(QStringLiteral("%1 %2").arg(who).arg(i), QStringLiteral("v%1").arg(i));
    };
    std::thread first(writer, QLatin1Char('A'));
    std::thread second(writer, QLatin1Char('B'));
    first.join();
    second.join();
    int lost = 0;
    for (const QChar who : {QLatin1Char('A'), QLatin1Char('B')})
        for (int i = 0; i < keys; ++i)
            lost += m_store.read(QStringLiteral("%1 %2").arg(who).arg(i)) != QStringLiteral("v%1").arg(i);
    EXPECT_EQ(lost, 0);
}
