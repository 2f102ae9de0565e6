// A row walked down the foot of a page, its first cell holding one, two or
// three lines, with and without a minimum height, goes to the same pages in
// our layout as in LibreOffice printing the saved document: its lines, its
// line spacing and its space after meet the foot in every combination.
#include "builtinengine.h"
#include "footrowdocument.h"
#include "libreofficepdf.h"
#include "storyinspection.h"
#include "support/testenvironment.h"

#include "layout/documentlayout.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"

#include <QFile>
#include <gtest/gtest.h>

#include <cmath>
#include <set>

using namespace engine;

namespace {

const QStringList firstCellTexts = {
    QStringLiteral("Alpha"),
    QStringLiteral("Alpha lines of text in the first cell of the row, long enough to wrap"),
    QStringLiteral("Alpha lines of text in the first cell of the row, long enough to wrap and wrap again and again "
                   "until the third"),
};

// The page of each line of the second row's first cell, in order, and last the page of its "Omega".
std::vector<int> ourPages(const DocumentModel &model, const DocumentLayout &layout)
{
    std::vector<int> pages;
    int omega = -1;
    for (const VisualLine &line : layout.lines()) {
        const ParagraphLine &paragraphLine = layout.paragraphLine(line);
        const QString text = StoryInspection::text(model.story, paragraphLine.from, paragraphLine.to);
        if (text.startsWith(QStringLiteral("Omega")))
            omega = line.page;
        else if (line.paragraph > 0 && !text.trimmed().isEmpty())
            pages.push_back(line.page);
    }
    pages.push_back(omega);
    return pages;
}

// The same from LibreOffice's words, a line being the words of one page at one height.
std::vector<int> theirPages(const std::vector<PdfWord> &words)
{
    std::set<std::pair<int, int>> lines;
    int omega = -1;
    for (const PdfWord &word : words) {
        if (word.text == QStringLiteral("Omega"))
            omega = word.page;
        else if (word.text != QStringLiteral("Filler"))
            lines.insert({word.page, static_cast<int>(std::lround(word.top))});
    }
    std::vector<int> pages;
    for (const auto &line : lines)
        pages.push_back(line.first);
    pages.push_back(omega);
    return pages;
}

} // namespace

TEST(RowsBreakAtThePageFootLikeLibreOffice, InEveryPlaceNearTheFoot)
{
    if (!LibreOfficePdf::available()) {
        // CI installs LibreOffice; there its absence is a failure, not a reason to skip.
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << "soffice is not installed, so our layout cannot be compared with LibreOffice's";
        GTEST_SKIP() << "soffice is not installed";
    }
    const testsupport::ScopedVariable paper("PAPERSIZE", "letter");
    auto application = engine::builtInEngine()->create();
    std::vector<QByteArray> files;
    std::vector<std::vector<int>> ours;
    std::vector<QString> cases;
    for (int fillerPoints = 596; fillerPoints <= 626; fillerPoints += 2) {
        for (const int minimumPoints : {0, 20}) {
            for (const QString &firstCell : firstCellTexts) {
                const FootRowDocument built(*application, fillerPoints, minimumPoints, firstCell,
                                            QStringLiteral("Omega"));
                word::Document *document = &built.document();
                const QString path = testsupport::freshFolder(QStringLiteral("foot")) + QStringLiteral("/row.doc");
                document->saveAs(path);
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::ReadOnly));
                files.push_back(file.readAll());
                const DocumentModel &model = StoryInspection::model(*document);
                ours.push_back(ourPages(model, DocumentLayout::build(model)));
                cases.push_back(QStringLiteral("%1 pt of filler, minimum %2 pt, %3")
                                    .arg(fillerPoints)
                                    .arg(minimumPoints)
                                    .arg(firstCell.left(20)));
                document->close(word::wdDoNotSaveChanges);
            }
        }
    }
    application->quit();
    const QString failure = LibreOfficePdf::convertAll(files);
    ASSERT_TRUE(failure.isEmpty()) << failure.toStdString();
    for (size_t i = 0; i < files.size(); ++i) {
        const LibreOfficePdf pdf(files[i]);
        ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
        EXPECT_EQ(ours[i], theirPages(pdf.words())) << cases[i].toStdString() << ": " << pdf.pdfPath().toStdString();
    }
}
