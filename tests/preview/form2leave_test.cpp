#include "form2fixture.h"
#include "support/widgets.h"

#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

class Form2LeaveTest : public Form2Test {
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        m_folder = testsupport::freshFolder(QStringLiteral("leave"));
        m_document = m_folder + QStringLiteral("/vandrel11111111.doc");
        // Bytes of every value, so a copy that changes any of them shows.
        QByteArray bytes;
        for (int i = 0; i < 3000; ++i)
            bytes.append(char(i % 256));
        writeAll(m_document, bytes);
        m_form = loaded(3);
        m_form->setWordFile(m_document);
    }

    QStringList captionsAndTexts() const
    {
        QStringList shown;
        for (const auto &request : m_dialogs.messages())
            shown << request.caption + QStringLiteral(": ") + request.text;
        return shown;
    }

    QString m_folder;
    QString m_document;
    std::unique_ptr<preview::Form2> m_form;
};

} // namespace

TEST_F(Form2LeaveTest, CancellingCopiesNothingAndSaysDone)
{
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    EXPECT_EQ(captionsAndTexts(), QStringList{QStringLiteral("Parvolin: Done.")});
    EXPECT_TRUE(QFile::exists(m_document));
}

TEST_F(Form2LeaveTest, ANameWithoutExtensionIsUsedAsTypedForAByteForByteCopy)
{
    const QString target = m_folder + QStringLiteral("/My Resume");
    m_dialogs.chooseFileNext(target);
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    EXPECT_EQ(readAll(target), readAll(m_document));
    EXPECT_FALSE(QFile::exists(target + QStringLiteral(".doc")));
    EXPECT_EQ(captionsAndTexts(), QStringList{QStringLiteral("Parvolin: Done.")});
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/again.doc"));
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    EXPECT_EQ(readAll(m_folder + QStringLiteral("/again.doc")), readAll(m_document)) << "the preview can save again";
}

TEST_F(Form2LeaveTest, AnsweringNoLeavesTheExistingFileUntouched)
{
    const QString target = m_folder + QStringLiteral("/old.doc");
    writeAll(target, "keep me");
    m_dialogs.chooseFileNext(target);
    m_dialogs.answerNext(shell::MessageAnswer::No);
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    EXPECT_EQ(readAll(target), QByteArray("keep me"));
    EXPECT_EQ(captionsAndTexts(),
              (QStringList{QStringLiteral("Parvolin: Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"),
                           QStringLiteral("Parvolin: Done.")}));
    EXPECT_EQ(m_dialogs.messages().front().buttons, shell::MessageButtons::YesNo);
}

TEST_F(Form2LeaveTest, AnsweringYesReplacesIt)
{
    const QString target = m_folder + QStringLiteral("/old.doc");
    writeAll(target, "replace me");
    m_dialogs.chooseFileNext(target);
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    EXPECT_EQ(readAll(target), readAll(m_document));
}

TEST_F(Form2LeaveTest, AFolderThatCannotBeWrittenIsReportedAndNotCalledDone)
{
    writeAll(m_folder + QStringLiteral("/plain"), "a file, not a folder");
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/plain/resume.doc"));
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Form2.PushButton6_Click at line 130")));
    EXPECT_EQ(m_dialogs.messages().back().caption, QStringLiteral("Application Error")) << "no \"Done.\" after a failed copy";
}

TEST_F(Form2LeaveTest, AVanishedDocumentIsReportedAndNotCalledDone)
{
    QFile::remove(m_document);
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/resume.doc"));
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    ASSERT_EQ(m_dialogs.errorReports().size(), 1);
    EXPECT_FALSE(QFile::exists(m_folder + QStringLiteral("/resume.doc")));
    EXPECT_EQ(m_dialogs.messages().back().caption, QStringLiteral("Application Error")) << "no \"Done.\" after a failed copy";
}

TEST_F(Form2LeaveTest, AFailedOverwriteKeepsTheUsersFile)
{
    const QString keep = m_folder + QStringLiteral("/keep.doc");
    writeAll(keep, "OLD CONTENT");
    QFile::remove(m_document); // a temporary-folder cleaner got there first
    m_dialogs.chooseFileNext(keep);
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("Form2.PushButton6_Click at line 130")));
    EXPECT_EQ(readAll(keep), QByteArray("OLD CONTENT"));
    EXPECT_EQ(m_dialogs.messages().back().caption, QStringLiteral("Application Error")) << "no \"Done.\" after a failed copy";
}

TEST_F(Form2LeaveTest, SavingOntoTheDocumentItselfIsRefusedAndItSurvives)
{
    const QByteArray before = readAll(m_document);
    m_dialogs.chooseFileNext(m_document);
    m_dialogs.answerNext(shell::MessageAnswer::Yes);
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    ASSERT_EQ(m_dialogs.errorReports().size(), 1);
    EXPECT_EQ(readAll(m_document), before);
    // And the next save still works.
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/copy.doc"));
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    EXPECT_EQ(readAll(m_folder + QStringLiteral("/copy.doc")), before);
}

TEST_F(Form2LeaveTest, WithNoDocumentMadeASaveReportsItAndWritesNothing)
{
    m_form->setWordFile(QString()); // the generator could not save the document
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/resume.doc"));
    testsupport::child<QPushButton>(*m_form, "PushButton6")->click();
    const QStringList reports = m_dialogs.errorReports();
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].startsWith(QStringLiteral("There is no document")));
    EXPECT_FALSE(QFile::exists(m_folder + QStringLiteral("/resume.doc")));
}

TEST_F(Form2LeaveTest, BackDeletesTheDocumentAndThePagesAndAsksForTheDataEntry)
{
    QSignalSpy wanted(m_form.get(), &preview::Form2::dataEntryWanted);
    m_form->show();
    testsupport::child<QPushButton>(*m_form, "PushButton8")->click();
    EXPECT_FALSE(QFile::exists(m_document));
    EXPECT_EQ(m_form->imageCount(), 1);
    EXPECT_EQ(testsupport::child<QTreeWidget>(*m_form, "ListView1")->topLevelItemCount(), 0);
    EXPECT_TRUE(m_form->setUpPending());
    EXPECT_EQ(wanted.count(), 1);
    EXPECT_FALSE(m_form->isVisible());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2LeaveTest, AfterBackANewRenderingOpensOnItsFirstPageAtZoomOne)
{
    testsupport::child<QPushButton>(*m_form, "PushButton1")->click();
    testsupport::child<QPushButton>(*m_form, "PushButton8")->click();
    fill(*m_form, 2);
    m_form->show();
    EXPECT_EQ(m_form->zoom(), 1.0f);
    EXPECT_EQ(testsupport::child<QTreeWidget>(*m_form, "ListView1")->topLevelItemCount(), 2);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*m_form, "Zoom_Ori")->picture(), m_form->image(0));
    EXPECT_FALSE(m_form->setUpPending());
}
