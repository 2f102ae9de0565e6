// While the preview is shown it keeps the document open in one instance of
// its own: zooming, choosing pages and exporting draw from that copy instead of
// starting the word processor again, and leaving lets the instance go. An
// engine that makes its own PDF has it exported as it stands.
#include "form2fixture.h"
#include "generator/engineregistry.h"
#include "pageengine.h"
#include "support/files.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

namespace {

class Form2KeepsDocumentOpenTest : public Form2Test {
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        generator::EngineRegistry::add(QStringLiteral("pages"), m_engine);
        qputenv("PARVOLIN_ENGINE", "pages");
        m_folder = testsupport::freshFolder(QStringLiteral("kept"));
        m_document = m_folder + QStringLiteral("/vandrel1.doc");
        ASSERT_TRUE(testsupport::put(m_document, "a saved document"));
        m_form = std::make_unique<preview::Form2>();
        m_form->Form_Load();
        fill(*m_form, 3);
        m_form->setWordFile(m_document);
        m_form->show();
        QApplication::setActiveWindow(m_form.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(m_form.get()));
    }
    void TearDown() override
    {
        m_form.reset();
        qunsetenv("PARVOLIN_ENGINE");
        generator::EngineRegistry::remove(QStringLiteral("pages"));
        Form2Test::TearDown();
    }

    void click(const char *button) { testsupport::child<QPushButton>(*m_form, button)->click(); }
    int logged(const QString &entry) const { return static_cast<int>(m_engine->state.log.count(entry)); }
    int opens() const { return logged(QStringLiteral("open(%1)").arg(m_document)); }
    int quits() const { return logged(QStringLiteral("quit")); }

    std::shared_ptr<PageEngine> m_engine = std::make_shared<PageEngine>();
    std::unique_ptr<preview::Form2> m_form;
    QString m_folder;
    QString m_document;
};

} // namespace

TEST_F(Form2KeepsDocumentOpenTest, ZoomingChoosingPagesAndExportingOpenTheDocumentOnce)
{
    ASSERT_EQ(opens(), 1) << "the first page is drawn sharp as the window shows";
    for (int i = 0; i < 3; ++i)
        click("PushButton1");
    click("PushButton2");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_PageDown);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    click("PushButton1");
    m_dialogs.chooseFileNext(m_folder + QStringLiteral("/resume.pdf"));
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    EXPECT_TRUE(m_dialogs.errorReports().isEmpty()) << m_dialogs.errorReports().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(QFile::exists(m_folder + QStringLiteral("/resume.pdf")));
    EXPECT_GE(logged(QStringLiteral("picture(3)")), 2) << "the last page was drawn for two zooms";
    EXPECT_EQ(opens(), 1);
    EXPECT_EQ(quits(), 0) << "the instance lives while the preview shows the document";
}

TEST_F(Form2KeepsDocumentOpenTest, BackClosesTheCopyAndQuitsTheInstanceBeforeTheFileGoes)
{
    click("PushButton8");
    const QStringList log = m_engine->state.log;
    ASSERT_GE(log.size(), 2);
    EXPECT_EQ(log.mid(log.size() - 2), (QStringList{QStringLiteral("close(0)"), QStringLiteral("quit")}));
    EXPECT_FALSE(QFile::exists(m_document));
}

TEST_F(Form2KeepsDocumentOpenTest, ANewDocumentReplacesTheKeptOne)
{
    const QString next = m_folder + QStringLiteral("/vandrel2.doc");
    ASSERT_TRUE(testsupport::put(next, "another"));
    m_form->setWordFile(next);
    EXPECT_EQ(quits(), 1) << "the old copy's instance is let go";
    click("PushButton1");
    EXPECT_EQ(logged(QStringLiteral("open(%1)").arg(next)), 1);
    EXPECT_EQ(opens(), 1);
}

TEST_F(Form2KeepsDocumentOpenTest, AnInstanceThatFailsIsLetGoAndTheNextDrawingStartsAfresh)
{
    m_engine->state.failAtPicture = 1;
    click("PushButton1");
    EXPECT_EQ(quits(), 1) << "a failed drawing leaves no instance in an unknown state";
    EXPECT_TRUE(m_dialogs.errorReports().isEmpty()) << "the stretched page stands in without a report";
    m_engine->state.failAtPicture = 0;
    click("PushButton1");
    EXPECT_EQ(opens(), 2);
    EXPECT_EQ(quits(), 1);
}

TEST_F(Form2KeepsDocumentOpenTest, ClosingTheWindowLetsTheInstanceGo)
{
    m_form->close();
    EXPECT_EQ(quits(), 1);
    EXPECT_EQ(m_endStatus, 0);
}

TEST_F(Form2KeepsDocumentOpenTest, ExportWritesTheEnginesOwnPdfWhenItMakesOne)
{
    m_engine->state.ownPdf = QByteArrayLiteral("%PDF-1.7 as the engine wrote it");
    const QString target = m_folder + QStringLiteral("/resume.pdf");
    m_dialogs.chooseFileNext(target);
    chooseFromPageMenu(*m_form, "ExportPdfAction");
    EXPECT_EQ(testsupport::contents(target), m_engine->state.ownPdf);
    EXPECT_EQ(opens(), 1);
}
