// A page drawn into a PDF keeps every letter as text: the letters the font
// joins into one glyph ("ti", "ffi") are drawn apart, within the joined
// glyph's width, so readers find the words whole and the lines keep their length.
#include "builtinengine.h"
#include "render/letterglyphs.h"
#include "support/testenvironment.h"

#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QPainter>
#include <QProcess>
#include <QRawFont>
#include <QTextLayout>
#include <gtest/gtest.h>

namespace {

const QString joinedWords = QStringLiteral("Analytics office efficient after fifty");

std::unique_ptr<QTextLayout> laidOut(const QString &text)
{
    QFont font(QStringLiteral("Carlito"));
    font.setPixelSize(220);
    auto layout = std::make_unique<QTextLayout>(text, font);
    layout->beginLayout();
    QTextLine line = layout->createLine();
    line.setLineWidth(100000);
    line.setPosition(QPointF(300, 40));
    layout->endLayout();
    return layout;
}

int glyphCount(const QList<QGlyphRun> &runs)
{
    int count = 0;
    for (const QGlyphRun &run : runs)
        count += static_cast<int>(run.glyphIndexes().size());
    return count;
}

QString pdfText(const QByteArray &pdf)
{
    const QString path = testsupport::freshFolder(QStringLiteral("pdfletters")) + QStringLiteral("/page.pdf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size())
        return QString();
    file.close();
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    process.waitForFinished(60000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(PdfKeepsEveryLetter, JoinedGlyphsComeApartIntoTheLettersOwnGlyphsWithinTheirWidth)
{
    if (!QFontDatabase::families().contains(QStringLiteral("Carlito")))
        GTEST_SKIP() << "Carlito, whose ligatures this looks at, is not installed";
    const auto layout = laidOut(joinedWords);
    const QTextLine line = layout->lineAt(0);
    const QList<QGlyphRun> joined = line.glyphRuns();
    ASSERT_LT(glyphCount(joined), joinedWords.size()) << "the face joins some of these letters";

    const QList<QGlyphRun> apart = engine::glyphRunsWithLettersApart(*layout, line);
    ASSERT_EQ(apart.size(), 1);
    const QRawFont face = apart.front().rawFont();
    EXPECT_EQ(apart.front().glyphIndexes(), face.glyphIndexesForString(joinedWords)) << "one glyph per letter, its own";
    const QList<QPointF> positions = apart.front().positions();
    ASSERT_EQ(positions.size(), joinedWords.size());
    for (int letter = 0; letter < joinedWords.size(); ++letter) {
        // A letter that had a glyph of its own keeps its place; the letters of
        // a joined glyph follow one another inside the joined glyph's width.
        const bool ownGlyph =
            line.glyphRuns(letter, 1).front().glyphIndexes() == face.glyphIndexesForString(joinedWords.mid(letter, 1));
        if (ownGlyph) {
            EXPECT_NEAR(positions.at(letter).x(), line.cursorToX(letter), 1e-6) << letter;
        }
        if (letter > 0) {
            EXPECT_GT(positions.at(letter).x(), positions.at(letter - 1).x()) << letter;
        }
        EXPECT_LT(positions.at(letter).x(), line.cursorToX(letter + 1)) << letter;
        EXPECT_DOUBLE_EQ(positions.at(letter).y(), joined.front().positions().front().y()) << letter;
    }
    // The glyphs the face did not join stay exactly where they were.
    EXPECT_EQ(positions.front(), joined.front().positions().front());
    EXPECT_EQ(positions.back(), joined.back().positions().back());
}

TEST(PdfKeepsEveryLetter, TextWithoutJoinsIsLeftAsItIs)
{
    const auto layout = laidOut(QStringLiteral("Plain words, no joins here"));
    const QTextLine line = layout->lineAt(0);
    const QList<QGlyphRun> before = line.glyphRuns();
    const QList<QGlyphRun> after = engine::glyphRunsWithLettersApart(*layout, line);
    ASSERT_EQ(after.size(), before.size());
    for (qsizetype i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after.at(i).glyphIndexes(), before.at(i).glyphIndexes());
        EXPECT_EQ(after.at(i).positions(), before.at(i).positions());
    }
}

TEST(PdfKeepsEveryLetter, APdfOfThePageReadsBackEveryWordWhole)
{
    auto application = engine::builtInEngine()->create();
    auto document = application->documents()->add();
    document->activeWindowSelection()->typeText(joinedWords + QStringLiteral("\r\nObjective: Bold staffing"));
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(1440);
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        document->drawPage(1, painter);
    }
    application->quit();
    const QString text = pdfText(bytes).simplified();
    EXPECT_TRUE(text.contains(joinedWords)) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Objective: Bold staffing"))) << text.toStdString();
}
