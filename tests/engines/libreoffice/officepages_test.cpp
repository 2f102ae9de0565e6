// Pages as LibreOffice lays them out: counted, gone to, and drawn.
#include "engines/libreoffice/libreofficeengine.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/failure.h"
#include "automation/word/selection.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr double pixelsPerInch = 72;

// Whether the band of `picture` from `top` to `bottom` (points from the page's
// top) holds ink between `left` and `right`.
bool hasInk(const QImage &picture, int left, int right, int top, int bottom)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (qGray(picture.pixel(x, y)) < 128)
                return true;
    return false;
}

} // namespace

TEST(OfficePages, CountedGoneToAndDrawnAsLaidOut)
{
    auto application = engines::libreoffice::engine()->create();
    auto document = application->documents()->add();
    auto selection = document->activeWindowSelection();
    QString lines;
    for (int line = 1; line <= 70; ++line)
        lines += QStringLiteral("Line %1\r\n").arg(line);
    selection->typeText(lines);
    document->repaginate();
    const int pages = document->builtInDocumentProperties(word::wdPropertyPages).toInt();
    EXPECT_GE(pages, 2);

    const QImage first = document->pagePicture(1, pixelsPerInch);
    EXPECT_EQ(first.size(), QSize(612, 792)) << "a Letter page at one pixel per point";
    EXPECT_TRUE(hasInk(first, 72, 110, 72, 90)) << "the first line stands at the top margin";
    EXPECT_FALSE(hasInk(first, 0, 612, 0, 60)) << "nothing above the margin";
    EXPECT_THROW(document->pagePicture(pages + 1, pixelsPerInch), automation::Failure);

    // Text typed after going to page 2 starts that page's first line.
    const QImage secondBefore = document->pagePicture(2, pixelsPerInch);
    EXPECT_FALSE(hasInk(secondBefore, 200, 400, 72, 90));
    selection->goTo(word::wdGoToPage, word::wdGoToAbsolute, 2);
    selection->typeText(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWW "));
    EXPECT_TRUE(hasInk(document->pagePicture(2, pixelsPerInch), 200, 400, 72, 90));
    EXPECT_FALSE(hasInk(document->pagePicture(1, pixelsPerInch), 200, 400, 72, 90));

    document->close(word::wdDoNotSaveChanges);
    application->quit();
}

TEST(OfficePages, ItsOwnPdfHoldsThePagesAsText)
{
    auto application = engines::libreoffice::engine()->create();
    auto document = application->documents()->add();
    document->activeWindowSelection()->typeText(QStringLiteral("Objective: efficient staffing\r\nLast line"));
    const QByteArray pdf = document->pdf();
    document->close(word::wdDoNotSaveChanges);
    application->quit();
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("own.pdf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size());
    file.close();
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {file.fileName(), QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(60000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Objective: efficient staffing\nLast line"))) << text.toStdString();
}

TEST(OfficePages, SavesAWordDocumentAndAPdfThatOtherReadersRead)
{
    auto application = engines::libreoffice::engine()->create();
    auto document = application->documents()->add();
    document->activeWindowSelection()->typeText(QStringLiteral("Salt & <pepper> staffing"));
    QTemporaryDir folder;
    const QString docx = folder.filePath(QStringLiteral("saved.docx"));
    const QString pdf = folder.filePath(QStringLiteral("saved.pdf"));
    document->saveAs(docx);
    document->saveAs(pdf, word::wdFormatPDF);
    document->close(word::wdDoNotSaveChanges);
    application->quit();
    QFile saved(docx);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_TRUE(saved.read(4) == QByteArray("PK\x03\x04")) << "a zip package, as .docx is";
    const auto textOf = [](const QString &program, const QStringList &arguments) {
        QProcess reader;
        reader.start(program, arguments);
        reader.waitForFinished(60000);
        return QString::fromUtf8(reader.readAllStandardOutput());
    };
    EXPECT_TRUE(textOf(QStringLiteral("pandoc"), {QStringLiteral("-t"), QStringLiteral("plain"), docx})
                    .contains(QStringLiteral("Salt & <pepper> staffing")));
    EXPECT_TRUE(textOf(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")})
                    .contains(QStringLiteral("Salt & <pepper> staffing")));
}
