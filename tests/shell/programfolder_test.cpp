#include "shell/programfolder.h"
#include "shell/skin.h"
#include "support/testenvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

// An installed tree as a package lays it out: the program in bin/, its data
// in share/parvolin/.
class ProgramFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_root = testsupport::freshFolder(QStringLiteral("installed"));
        m_bin = m_root + QStringLiteral("/bin");
        m_data = m_root + QStringLiteral("/share/parvolin");
        QDir().mkpath(m_bin);
        QDir().mkpath(m_data);
        shell::setProgramFolderForTesting(m_bin);
    }
    void TearDown() override { shell::setProgramFolderForTesting(QString()); }

    static void write(const QString &path, const QByteArray &text)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QString m_root;
    QString m_bin;
    QString m_data;
};

} // namespace

TEST_F(ProgramFolderTest, TheDataFolderIsTheInstalledShareFolderBesideBin)
{
    EXPECT_EQ(QFileInfo(shell::installedDataFolder()).canonicalFilePath(), QFileInfo(m_data).canonicalFilePath());
}

TEST_F(ProgramFolderTest, AFileBesideTheProgramIsTakenFirst)
{
    write(m_bin + QStringLiteral("/HAND-M.CUR"), "beside");
    write(m_data + QStringLiteral("/HAND-M.CUR"), "installed");
    EXPECT_EQ(shell::programFile(QStringLiteral("HAND-M.CUR")), m_bin + QStringLiteral("/HAND-M.CUR"));
}

TEST_F(ProgramFolderTest, AFileOnlyInTheDataFolderIsFoundThere)
{
    write(m_data + QStringLiteral("/x/o.cjs"), "QWidget { color: navy; }");
    EXPECT_EQ(QFileInfo(shell::programFile(QStringLiteral("x\\o.cjs"))).canonicalFilePath(),
              QFileInfo(m_data + QStringLiteral("/x/o.cjs")).canonicalFilePath());

    QWidget window;
    shell::LoadSkin(&window);
    EXPECT_EQ(window.styleSheet(), QStringLiteral("QWidget { color: navy; }"));
}

TEST_F(ProgramFolderTest, AFileFoundNowhereIsNamedBesideTheProgram)
{
    EXPECT_EQ(shell::programFile(QStringLiteral("\\HAND-M.CUR")), m_bin + QStringLiteral("/HAND-M.CUR"));
}
