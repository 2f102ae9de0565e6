// The sample resume as saved, opened in LibreOffice: every field's text comes
// back in the resume's reading order, on as many pages as the preview shows.
#include "entry/resumefields.h"
#include "entry/sampledata.h"
#include "generator/resume.h"
#include "libreofficepdf.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

TEST(ResumeInLibreOffice, TheSampleResumeReadsInOrder)
{
    if (!LibreOfficePdf::available()) {
        if (!qEnvironmentVariableIsEmpty("CI"))
            FAIL() << "soffice is needed on CI";
        GTEST_SKIP() << "no soffice";
    }
    testsupport::ScriptedDialogs dialogs;
    auto result = generator::GenerateResume([](const QString &name) {
        const entry::ResumeField *field = entry::findResumeField(name);
        const int row = field ? static_cast<int>(field - entry::resumeFields().data()) : -1;
        return row < 0 ? QString() : entry::sampleValue(row);
    });
    ASSERT_TRUE(result.document);
    const QString path = testsupport::freshFolder(QStringLiteral("libreoffice")) + QStringLiteral("/resume.doc");
    result.document->saveAs(path);
    result.document->repaginate();
    const int ourPages = result.document->builtInDocumentProperties(word::wdPropertyPages).toInt();
    result.application->quit();
    EXPECT_TRUE(dialogs.messages().empty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const LibreOfficePdf pdf(file.readAll());
    ASSERT_TRUE(pdf.failure().isEmpty()) << pdf.failure().toStdString();
    EXPECT_EQ(pdf.pageCount(), ourPages);
    // The PDF holds its words in drawing order; read them as a person does:
    // page by page, line by line (one baseline within a point), left to right.
    std::vector<PdfWord> read = pdf.words();
    std::sort(read.begin(), read.end(), [](const PdfWord &a, const PdfWord &b) {
        if (a.page != b.page)
            return a.page < b.page;
        if (std::abs(a.baseline() - b.baseline()) > 1.0)
            return a.baseline() < b.baseline();
        return a.left < b.left;
    });
    QStringList words;
    for (const PdfWord &word : read)
        words << word.text;
    const QString text = words.join(QLatin1Char(' '));

    const QStringList expected = {
        QStringLiteral("1427 Alder Creek Road, Fairhaven, OR 97338"), QStringLiteral("541-555-0187"),
        QStringLiteral("m.castellane@example.com"), QStringLiteral("Marjorie L. Castellane"), QStringLiteral("Objective"),
        QStringLiteral("To lead a customer support team"), QStringLiteral("Experience"), QStringLiteral("March 2019"),
        QStringLiteral("Brightwater Analytics"), QStringLiteral("Eugene, OR"), QStringLiteral("Customer Support Supervisor"),
        QStringLiteral("Led a team of nine support specialists"), QStringLiteral("Cut average response time by a third"),
        QStringLiteral("Wrote the onboarding guide for new staff"), QStringLiteral("August 2015"),
        QStringLiteral("Cascade Office Supply"), QStringLiteral("Salem, OR"), QStringLiteral("Support Specialist"),
        QStringLiteral("Education"), QStringLiteral("2011 - 2015"), QStringLiteral("Willamette Valley College"),
        QStringLiteral("Corvallis, OR"), QStringLiteral("Bachelor of Arts in Communication"), QStringLiteral("None"),
        QStringLiteral("References"), QStringLiteral("None"),
    };
    qsizetype at = 0;
    for (const QString &piece : expected) {
        const qsizetype found = text.indexOf(piece, at);
        EXPECT_GE(found, 0) << "missing or out of order: " << piece.toStdString() << "\nin: " << text.toStdString();
        if (found >= 0)
            at = found + piece.size();
    }
}
