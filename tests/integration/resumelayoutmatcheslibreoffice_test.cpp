// Resumes of every shape, generated and saved as the program does, look the
// same in LibreOffice as in our preview: as many pages, each starting with the
// same text, and every line within 1.5 pt of where we put it, across and down.
// All records are printed by one run of LibreOffice.
#include "fidelityrecords.h"
#include "layoutcomparison.h"
#include "libreofficepdf.h"
#include "savedrecord.h"
#include "selectedcases.h"

#include "layout/documentlayout.h"
#include "formats/documentformats.h"

#include <gtest/gtest.h>

#include <iostream>
#include <tuple>

using namespace engine;

namespace {


class ResumeLayoutMatchesLibreOffice
    : public ::testing::TestWithParam<std::tuple<FidelityRecord, const char *>> {
protected:
    static void SetUpTestSuite()
    {
        if (!LibreOfficePdf::available())
            return;
        std::vector<QByteArray> files;
        for (const FidelityRecord &record : fidelityRecords())
            for (const char *paper : recordPapers)
                if (caseWillRun(onPaper(record, paper)))
                    files.push_back(s_files[onPaper(record, paper)] = savedRecord(record, paper, QStringLiteral("resume.doc")));
        s_conversionFailure = LibreOfficePdf::convertAll(files);
    }

    void SetUp() override
    {
        requireLibreOffice();
        ASSERT_TRUE(s_conversionFailure.isEmpty()) << s_conversionFailure.toStdString();
    }

    static std::map<QString, QByteArray> s_files;
    static QString s_conversionFailure;
};

std::map<QString, QByteArray> ResumeLayoutMatchesLibreOffice::s_files;
QString ResumeLayoutMatchesLibreOffice::s_conversionFailure;

} // namespace

TEST_P(ResumeLayoutMatchesLibreOffice, PageByPageAndLineByLine)
{
    const auto &[record, paper] = GetParam();
    if (const char *unlike = rightToLeftDisagreement(record.name); unlike && !qEnvironmentVariableIsSet("PARVOLIN_ALL_RECORDS"))
        GTEST_SKIP() << unlike << " (PARVOLIN_ALL_RECORDS=1 runs it)";
    const QByteArray &saved = s_files[onPaper(record, paper)];
    ASSERT_FALSE(saved.isEmpty()) << "the generator reported a failure or saved nothing";
    const LibreOfficePdf pdf(saved);
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    // What the preview shows is the saved file read back.
    const DocumentModel model = DocumentFormats::read(saved);
    const DocumentLayout layout = DocumentLayout::build(model);
    EXPECT_EQ(model.page.widthTwips, QByteArray(paper) == "a4" ? 11906 : 12240) << "the user's paper";
    EXPECT_NEAR(pdf.pageSizePoints().width(), model.page.widthTwips / 20.0, 0.5) << "LibreOffice's paper";
    EXPECT_NEAR(pdf.pageSizePoints().height(), model.page.heightTwips / 20.0, 0.5);
    SCOPED_TRACE("LibreOffice's pages: " + pdf.pdfPath().toStdString());
    const LayoutComparison comparison = compareLayouts(model, layout, pdf.words(), pdf.pageCount());
    reportComparison(onPaper(record, paper), layout, comparison);
    RecordProperty("largestAcrossPoints", QString::number(comparison.largestAcrossPoints, 'f', 2).toStdString());
    RecordProperty("largestDownPoints", QString::number(comparison.largestDownPoints, 'f', 2).toStdString());
}

INSTANTIATE_TEST_SUITE_P(Records, ResumeLayoutMatchesLibreOffice,
                         ::testing::Combine(::testing::ValuesIn(fidelityRecords()), ::testing::ValuesIn(recordPapers)),
                         [](const ::testing::TestParamInfo<std::tuple<FidelityRecord, const char *>> &info) {
                             return onPaper(std::get<0>(info.param), std::get<1>(info.param)).toStdString();
                         });
