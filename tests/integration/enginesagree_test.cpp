// Both engines make the same pages of every resume: the built-in engine's
// preview (its saved file read back and laid out) against LibreOffice's PDF
// of the document the LibreOffice engine built itself, record by record on
// both papers: as many pages, each starting with the same word, and every
// line within 1.5 pt. All records are built in one office.
#include "layoutcomparison.h"
#include "libreofficepdf.h"
#include "savedrecord.h"
#include "selectedcases.h"
#include "support/enginesundertest.h"
#include "support/testenvironment.h"
#include "automation/word/constants.h"

#include "formats/documentformats.h"
#include "layout/documentlayout.h"

#include <QElapsedTimer>
#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <tuple>

#ifdef PARVOLIN_HAVE_LIBREOFFICE

using namespace engine;

namespace {

// The two saved forms of one record on one paper.
struct EngineFiles {
    QByteArray builtInDocument;
    QString libreOfficePdf;
};

class TheTwoEnginesAgree : public ::testing::TestWithParam<std::tuple<FidelityRecord, const char *>> {
protected:
    static void SetUpTestSuite()
    {
        const std::vector<std::string> engines = testsupport::enginesUnderTest();
        if (std::find(engines.begin(), engines.end(), "libreoffice") == engines.end())
            return;
        QElapsedTimer clock;
        clock.start();
        for (const FidelityRecord &record : fidelityRecords()) {
            for (const char *paper : recordPapers) {
                if (!caseWillRun(onPaper(record, paper)))
                    continue;
                EngineFiles &files = s_files[onPaper(record, paper)];
                testsupport::selectEngine(generator::EngineRegistry::builtInKey);
                files.builtInDocument = savedRecord(record, paper, QStringLiteral("resume.doc"));
                testsupport::selectEngine("libreoffice");
                files.libreOfficePdf = pdfFile(
                    onPaper(record, paper), savedRecord(record, paper, QStringLiteral("resume.pdf"), word::wdFormatPDF));
            }
        }
        qunsetenv(generator::EngineRegistry::selectorVariable);
        std::cout << "Both engines built " << s_files.size() << " records in " << clock.elapsed() / 1000.0 << " s"
                  << std::endl;
    }

    // Where `pdf` is kept for the comparison and for a person to look at; empty when there is none.
    static QString pdfFile(const QString &name, const QByteArray &pdf)
    {
        QFile file(testsupport::freshFolder(name + QStringLiteral("_pdf")) + QStringLiteral("/libreoffice.pdf"));
        if (pdf.isEmpty() || !file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
            return QString();
        return file.fileName();
    }

    static std::map<QString, EngineFiles> s_files;
};

std::map<QString, EngineFiles> TheTwoEnginesAgree::s_files;

} // namespace

TEST_P(TheTwoEnginesAgree, PageByPageAndLineByLine)
{
    const auto &[record, paper] = GetParam();
    if (const char *unlike = rightToLeftDisagreement(record.name); unlike && !qEnvironmentVariableIsSet("PARVOLIN_ALL_RECORDS"))
        GTEST_SKIP() << unlike << " (PARVOLIN_ALL_RECORDS=1 runs it)";
    const auto found = s_files.find(onPaper(record, paper));
    ASSERT_NE(found, s_files.end()) << "the LibreOffice engine was not built";
    const EngineFiles &files = found->second;
    ASSERT_FALSE(files.builtInDocument.isEmpty()) << "the built-in engine reported a failure or saved nothing";
    ASSERT_FALSE(files.libreOfficePdf.isEmpty()) << "the LibreOffice engine reported a failure or saved no PDF";
    const LibreOfficePdf pdf = LibreOfficePdf::ofPdf(files.libreOfficePdf);
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    const DocumentModel model = DocumentFormats::read(files.builtInDocument);
    const DocumentLayout layout = DocumentLayout::build(model);
    EXPECT_NEAR(pdf.pageSizePoints().width(), model.page.widthTwips / 20.0, 0.5) << "the LibreOffice engine's paper";
    EXPECT_NEAR(pdf.pageSizePoints().height(), model.page.heightTwips / 20.0, 0.5);
    SCOPED_TRACE("The LibreOffice engine's pages: " + pdf.pdfPath().toStdString());
    const LayoutComparison comparison = compareLayouts(model, layout, pdf.words(), pdf.pageCount());
    reportComparison(onPaper(record, paper), layout, comparison);
}

INSTANTIATE_TEST_SUITE_P(Records, TheTwoEnginesAgree,
                         ::testing::Combine(::testing::ValuesIn(fidelityRecords()), ::testing::ValuesIn(recordPapers)),
                         [](const ::testing::TestParamInfo<std::tuple<FidelityRecord, const char *>> &info) {
                             return onPaper(std::get<0>(info.param), std::get<1>(info.param)).toStdString();
                         });

#endif
