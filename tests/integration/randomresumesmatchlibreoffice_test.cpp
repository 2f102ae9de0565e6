// Resumes nobody chose, in every script a user may write, look the same in
// LibreOffice as in our preview: as many pages, each starting with the same
// text, and every line within 1.5 pt of where we put it. All records are
// printed by one run of LibreOffice. A record that disagrees is written out
// with LibreOffice's PDF, and its seed replays it: PARVOLIN_SEED=<seed>.
// PARVOLIN_FRESH_SEED=1 runs fresh seeds (PARVOLIN_RECORD_COUNT of them).
#include "fidelityrecords.h"
#include "layoutcomparison.h"
#include "libreofficepdf.h"
#include "randomrecords.h"
#include "savedrecord.h"
#include "selectedcases.h"

#include "formats/documentformats.h"
#include "layout/documentlayout.h"
#include "model/documentmodel.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <iostream>
#include <map>

using namespace engine;

namespace {

// The seeds CI runs, each on both papers; the last, once a fresh seed, made the generator fail.
const std::vector<unsigned> ciSeeds = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 696895165};
constexpr int freshRecordCount = 20;

// Records of the CI seeds that LibreOffice still lays out otherwise, with the
// cause found. They are reported as skipped with the cause, not dropped, so
// that the day they agree is seen (PARVOLIN_ALL_RECORDS=1 runs them).
const char *const pageFoot = "a page, or a cell split by a page, breaks after another line than LibreOffice's";
const std::map<QString, const char *> disagreeing = {
    {QStringLiteral("Seed18_letter"), pageFoot}};

// Whether the record named `name` is one known to disagree and not asked for.
bool skipped(const QString &name)
{
    return disagreeing.count(name) && !qEnvironmentVariableIsSet("PARVOLIN_ALL_RECORDS");
}

struct RandomCase {
    unsigned seed = 0;
    const char *paper = "";
};

// Chosen once: fresh seeds must be the same for the test list and the files printed.
const std::vector<RandomCase> &cases()
{
    static const std::vector<RandomCase> all = [] {
        std::vector<RandomCase> chosen;
        for (unsigned seed : RandomRecords::seeds(ciSeeds, freshRecordCount))
            for (const char *paper : recordPapers)
                chosen.push_back({seed, paper});
        return chosen;
    }();
    return all;
}

QString caseName(const RandomCase &random)
{
    return onPaper(RandomRecords::record(random.seed), random.paper);
}

// Writes the record's fields as JSON, the saved document, LibreOffice's PDF
// of it and every disagreement into a folder that outlives the test; returns
// the folder.
QString writtenFixture(const FidelityRecord &record, const char *paper, const QByteArray &saved,
                       const QString &pdfPath, const std::vector<std::string> &failures)
{
    const QString folder = QDir::tempPath() + QStringLiteral("/parvolin-random-records/") + onPaper(record, paper);
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    QJsonObject fields;
    for (const auto &[name, text] : record.fields)
        fields.insert(name, text);
    QFile json(folder + QStringLiteral("/fields.json"));
    if (json.open(QIODevice::WriteOnly))
        json.write(QJsonDocument(fields).toJson());
    QFile document(folder + QStringLiteral("/resume.doc"));
    if (!saved.isEmpty() && document.open(QIODevice::WriteOnly))
        document.write(saved);
    if (!pdfPath.isEmpty())
        QFile::copy(pdfPath, folder + QStringLiteral("/libreoffice.pdf"));
    QFile list(folder + QStringLiteral("/disagreements.txt"));
    if (list.open(QIODevice::WriteOnly))
        for (const std::string &failure : failures)
            list.write((failure + '\n').c_str());
    return folder;
}

// Test names and failure messages show a case by its seed and paper.
void PrintTo(const RandomCase &random, std::ostream *out)
{
    *out << "seed " << random.seed << " on " << random.paper;
}

class RandomResumesMatchLibreOffice : public ::testing::TestWithParam<RandomCase> {
protected:
    static void SetUpTestSuite()
    {
        if (!LibreOfficePdf::available())
            return;
        std::vector<QByteArray> files;
        for (const RandomCase &random : cases()) {
            const FidelityRecord record = RandomRecords::record(random.seed);
            const QString name = onPaper(record, random.paper);
            if (skipped(name) || !caseWillRun(name))
                continue;
            files.push_back(s_files[name] = savedRecord(record, random.paper, QStringLiteral("resume.doc"), -1, &s_generatorFailures[name]));
        }
        s_conversionFailure = LibreOfficePdf::convertAll(files);
    }

    void SetUp() override
    {
        requireLibreOffice();
        ASSERT_TRUE(s_conversionFailure.isEmpty()) << s_conversionFailure.toStdString();
    }

    static std::map<QString, QByteArray> s_files;
    static std::map<QString, QString> s_generatorFailures;
    static QString s_conversionFailure;
};

std::map<QString, QByteArray> RandomResumesMatchLibreOffice::s_files;
std::map<QString, QString> RandomResumesMatchLibreOffice::s_generatorFailures;
QString RandomResumesMatchLibreOffice::s_conversionFailure;

} // namespace

TEST_P(RandomResumesMatchLibreOffice, PageByPageAndLineByLine)
{
    const RandomCase random = GetParam();
    const FidelityRecord record = RandomRecords::record(random.seed);
    const QString name = onPaper(record, random.paper);
    if (skipped(name))
        GTEST_SKIP() << "this record still disagrees with LibreOffice: " << disagreeing.at(name)
                     << " (PARVOLIN_ALL_RECORDS=1 runs it)";
    const QByteArray &saved = s_files[name];
    ASSERT_FALSE(saved.isEmpty()) << "seed " << random.seed << " on " << random.paper
                                  << " paper: the generator saved nothing and reported:\n"
                                  << s_generatorFailures[name].toStdString() << "\nIts fields are in "
                                  << writtenFixture(record, random.paper, {}, {}, {}).toStdString();
    const LibreOfficePdf pdf(saved);
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    const DocumentModel model = DocumentFormats::read(saved);
    const DocumentLayout layout = DocumentLayout::build(model);
    const LayoutComparison comparison = compareLayouts(model, layout, pdf.words(), pdf.pageCount());
    std::cout << name.toStdString() << ": " << layout.pageCount() << " pages, " << comparison.lines << " lines, "
              << comparison.failures.size() << " disagreements; largest offset " << comparison.largestAcrossPoints
              << " pt across, " << comparison.largestDownPoints << " pt down" << std::endl;
    if (comparison.agrees())
        return;
    const QString folder = writtenFixture(record, random.paper, saved, pdf.pdfPath(), comparison.failures);
    std::string first;
    for (size_t i = 0; i < comparison.failures.size() && i < 5; ++i)
        first += "\n  " + comparison.failures[i];
    ADD_FAILURE() << "seed " << random.seed << " on " << random.paper << " paper (PARVOLIN_SEED=" << random.seed
                  << " replays it): " << comparison.failures.size() << " disagreements, the first:" << first
                  << "\nIts fields, document and LibreOffice's PDF are in " << folder.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomResumesMatchLibreOffice, ::testing::ValuesIn(cases()),
                         [](const ::testing::TestParamInfo<RandomCase> &info) {
                             return caseName(info.param).toStdString();
                         });
