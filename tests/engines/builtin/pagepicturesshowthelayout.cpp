// A page picture at the preview's resolution is white paper with the text,
// rules and bullets where the layout puts them, and keeps the page's shape.
#include "builtinengine.h"
#include "sampledocument.h"
#include "storyinspection.h"

#include "fonts/fontresolver.h"
#include "layout/documentlayout.h"
#include "render/pagerenderer.h"
#include "automation/word/engine.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace engine;

namespace {

// What the preview asks for on a screen of device pixel ratio 1.
constexpr double previewPixelsPerInch = 63;

// The darkest grey level in `twips` (a rectangle in twips) of `picture`.
int darkest(const QImage &picture, const QRectF &twips, double pixelsPerInch)
{
    const double scale = pixelsPerInch / 1440;
    const QRect pixels = QRectF(twips.topLeft() * scale, twips.bottomRight() * scale).toAlignedRect() & picture.rect();
    int level = 255;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            level = std::min(level, qGray(picture.pixel(x, y)));
    }
    return level;
}

class PagePicturesShowTheLayout : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        document = SampleDocument(*application).buildResume();
        layout = std::make_unique<DocumentLayout>(DocumentLayout::build(StoryInspection::model(*document)));
        picture = PageRenderer(*layout, FontResolver::instance()).render(0, previewPixelsPerInch);
        if (qEnvironmentVariableIsSet("PARVOLIN_KEEP_PICTURES"))
            picture.save(QDir::tempPath() + QStringLiteral("/parvolin-page-1.png"));
    }
    void TearDown() override { application->quit(); }

    // The bullets' lines: the first line of each list paragraph.
    std::vector<VisualLine> bulletLines() const
    {
        std::vector<VisualLine> lines;
        for (const VisualLine &line : layout->lines()) {
            if (line.line == 0 && layout->paragraphs()[static_cast<size_t>(line.paragraph)].listMark)
                lines.push_back(line);
        }
        return lines;
    }
    void expectBulletsAtTheirNumberPosition(const QImage &page) const
    {
        const std::vector<VisualLine> lines = bulletLines();
        ASSERT_EQ(lines.size(), 3u);
        for (const VisualLine &line : lines) {
            const double baseline = line.topTwips + layout->paragraphLine(line).baselineTwips;
            const double x = line.columnLeftTwips + 360;
            EXPECT_LT(darkest(page, QRectF(x, baseline - 140, 120, 140), previewPixelsPerInch), 110) << "no bullet";
            // Between the bullet and the text at 36 pt lies only the tab's gap.
            EXPECT_GT(darkest(page, QRectF(x + 160, baseline - 200, 160, 200), previewPixelsPerInch), 230);
        }
    }

    std::shared_ptr<word::Application> application;
    std::shared_ptr<word::Document> document;
    std::unique_ptr<DocumentLayout> layout;
    QImage picture;
};

} // namespace

TEST_F(PagePicturesShowTheLayout, KeepsTheLetterPagesProportionsAtAnyResolution)
{
    EXPECT_EQ(picture.size(), QSize(536, 693));
    const QImage sharp = PageRenderer(*layout, FontResolver::instance()).render(0, 2 * previewPixelsPerInch);
    EXPECT_EQ(sharp.size(), QSize(1071, 1386));
    EXPECT_TRUE(PageRenderer(*layout, FontResolver::instance()).render(1, previewPixelsPerInch).isNull());
    EXPECT_TRUE(PageRenderer(*layout, FontResolver::instance()).render(0, 0).isNull());
}

TEST_F(PagePicturesShowTheLayout, MarginsAreWhitePaper)
{
    EXPECT_EQ(darkest(picture, QRectF(0, 0, 12240, 1300), previewPixelsPerInch), 255);
    EXPECT_EQ(darkest(picture, QRectF(0, 0, 1250, 15840), previewPixelsPerInch), 255);
    EXPECT_EQ(darkest(picture, QRectF(0, 14500, 12240, 1340), previewPixelsPerInch), 255);
}

TEST_F(PagePicturesShowTheLayout, RulesLieAlongTheHeadingRowsWithTheirWidths)
{
    const std::vector<RuleLine> &rules = layout->page(0).rules;
    ASSERT_EQ(rules.size(), 3u);
    for (const RuleLine &rule : rules) {
        // Away from any text: the rule's right end, over the last column.
        const double x = rule.leftTwips + rule.widthTwips - 400;
        EXPECT_LT(darkest(picture, QRectF(x, rule.topTwips, 200, rule.heightTwips), previewPixelsPerInch), 120);
        EXPECT_EQ(darkest(picture, QRectF(x, rule.topTwips - 120, 200, 40), previewPixelsPerInch), 255);
        EXPECT_EQ(darkest(picture, QRectF(x, rule.topTwips + rule.heightTwips + 80, 200, 40), previewPixelsPerInch),
                  255);
    }
    // The 1.5 pt rule is drawn heavier than the 1 pt one.
    const auto weight = [this](const RuleLine &rule) {
        const QRectF band(rule.leftTwips + 4000, rule.topTwips - 60, 1000, rule.heightTwips + 120);
        const double scale = previewPixelsPerInch / 1440;
        const QRect pixels = QRectF(band.topLeft() * scale, band.bottomRight() * scale).toAlignedRect();
        long ink = 0;
        for (int y = pixels.top(); y <= pixels.bottom(); ++y)
            for (int x = pixels.left(); x <= pixels.right(); ++x)
                ink += 255 - qGray(picture.pixel(x, y));
        return ink;
    };
    EXPECT_GT(weight(rules[1]), weight(rules[0]) * 5 / 4);
}

TEST_F(PagePicturesShowTheLayout, TextIsDrawnOnItsLinesAndNowhereElse)
{
    for (const VisualLine &line : layout->lines()) {
        const ParagraphLine &paragraphLine = layout->paragraphLine(line);
        if (paragraphLine.to == paragraphLine.from)
            continue;
        const double left = line.columnLeftTwips + layout->caretXTwips(line).front();
        const double right = line.columnLeftTwips + layout->caretXTwips(line).back();
        const double baseline = line.topTwips + paragraphLine.baselineTwips;
        EXPECT_LT(darkest(picture, QRectF(left, baseline - 160, right - left, 160), previewPixelsPerInch), 100)
            << "no ink on the line at " << line.topTwips / 20.0 << " pt";
    }
    // The centred name leaves the space before it blank.
    const VisualLine &name = layout->lines()[1];
    const double nameLeft = name.columnLeftTwips + layout->caretXTwips(name).front();
    EXPECT_EQ(darkest(picture, QRectF(1440, name.topTwips, nameLeft - 1440 - 60, 400), previewPixelsPerInch), 255);
}

TEST_F(PagePicturesShowTheLayout, BulletsStandAtTheNumberPositionWithWingdingsOrAsDrawnSquares)
{
    expectBulletsAtTheirNumberPosition(picture);
    FontResolver withoutWingdings(QDir::tempPath() + QStringLiteral("/no-such-font-folder"));
    ASSERT_FALSE(withoutWingdings.hasWingdings());
    expectBulletsAtTheirNumberPosition(PageRenderer(*layout, withoutWingdings).render(0, previewPixelsPerInch));
}
