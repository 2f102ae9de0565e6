// Where the save dialog opens: Documents (or home) at first, then wherever the
// user saved last, remembered across runs in the settings store.
#include "form2fixture.h"
#include "support/widgets.h"
#include "preview/savefolder.h"
#include "shell/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSettings>

namespace {

class Form2SaveFolderTest : public Form2Test {
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        testsupport::freshSettingsFolder();
        m_oldHome = qgetenv("HOME");
        m_home = testsupport::freshFolder(QStringLiteral("home"));
        qputenv("HOME", QFile::encodeName(m_home));
        m_document = m_home + QStringLiteral("/vandrel22222222.doc");
        QFile document(m_document);
        ASSERT_TRUE(document.open(QIODevice::WriteOnly));
        document.write("{\\rtf1 }");
    }
    void TearDown() override
    {
        qputenv("HOME", m_oldHome);
        Form2Test::TearDown();
    }

    void save(preview::Form2 &form) { testsupport::child<QPushButton>(form, "PushButton6")->click(); }

    QByteArray m_oldHome;
    QString m_home;
    QString m_document;
};

} // namespace

TEST_F(Form2SaveFolderTest, TheFirstSaveOpensInDocumentsOrElseHome)
{
    auto form = loaded(1);
    form->setWordFile(m_document);
    save(*form);
    ASSERT_TRUE(QDir(m_home).mkdir(QStringLiteral("Documents")));
    save(*form);
    EXPECT_EQ(m_dialogs.saveFolders(), QStringList({m_home, m_home + QStringLiteral("/Documents")}));
}

TEST_F(Form2SaveFolderTest, LaterSavesOpenWhereTheLastOneWentEvenAfterARestart)
{
    const QString elsewhere = testsupport::freshFolder(QStringLiteral("elsewhere"));
    {
        auto form = loaded(1);
        form->setWordFile(m_document);
        m_dialogs.chooseFileNext(elsewhere + QStringLiteral("/my resume"));
        save(*form);
        EXPECT_TRUE(QFile::exists(elsewhere + QStringLiteral("/my resume"))) << "the name as typed";
        save(*form); // cancelled: the folder stays
    }
    auto form = loaded(1);
    form->setWordFile(m_document);
    save(*form);
    EXPECT_EQ(m_dialogs.saveFolders(), QStringList({m_home, elsewhere, elsewhere}));
    EXPECT_EQ(shell::SettingsStore().read(QString::fromLatin1(preview::SaveFolder::settingsKey)), elsewhere);
    const QSettings file(shell::SettingsStore::fileName(), QSettings::IniFormat);
    EXPECT_EQ(file.allKeys(), QStringList({QStringLiteral("Parvolin/Last Save Folder")})) << "no key of the record is touched";
}

TEST_F(Form2SaveFolderTest, AFolderThatIsGoneFallsBackToTheFirstOne)
{
    const QString gone = testsupport::freshFolder(QStringLiteral("gone"));
    shell::SettingsStore().write(QString::fromLatin1(preview::SaveFolder::settingsKey), gone);
    QDir(gone).removeRecursively();
    auto form = loaded(1);
    form->setWordFile(m_document);
    save(*form);
    EXPECT_EQ(m_dialogs.saveFolders(), QStringList({m_home}));
}
