// Bold text looks bold on the page pictures, whatever the weight of the
// installed bold face's outlines, and drawing it bold moves no line break.
#include "fonts/fontresolver.h"
#include "layout/documentlayout.h"
#include "render/pagerenderer.h"
#include "formats/rtf/rtfreader.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QRawFont>
#include <gtest/gtest.h>

#include <vector>

using namespace engine;

namespace {

constexpr double pixelsPerInch = 600;

// A paragraph of the letter l in `font`, bold or not, at 12 pt.
QByteArray letters(const char *font, bool bold)
{
    return QByteArray("{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 ") + font
           + ";}}{\\colortbl;}\\pard\\plain\\ql\\f0\\fs24" + (bold ? "\\b" : "\\b0") + " llllllll}";
}

// The widths in pixels of the dark runs across the middle of the first text line.
std::vector<int> stemWidths(const QByteArray &rtf)
{
    const DocumentModel model = RtfReader::read(rtf);
    const DocumentLayout layout = DocumentLayout::build(model);
    const QImage page = PageRenderer(layout, FontResolver::instance()).render(0, pixelsPerInch);
    // Halfway up the l's: 4 pt above the first baseline.
    const int y = static_cast<int>((layout.baselineTwips(0) - 80) * pixelsPerInch / 1440);
    std::vector<int> widths;
    int run = 0;
    for (int x = 0; x < page.width(); ++x) {
        if (qGray(page.pixel(x, y)) < 128) {
            ++run;
        } else if (run > 0) {
            widths.push_back(run);
            run = 0;
        }
    }
    return widths;
}

// The page drawn from outlines alone: a recording plays its paths back
// without the pictures of glyphs kept for images.
QImage pageFromOutlines(const DocumentLayout &layout, double pixelsPerInch)
{
    QPicture recording;
    QPainter recorder(&recording);
    PageRenderer(layout, FontResolver::instance()).paint(recorder, 0);
    recorder.end();
    QImage page(PageRenderer::pictureSize(layout.geometry(), pixelsPerInch), QImage::Format_Grayscale8);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.scale(pixelsPerInch / 1440, pixelsPerInch / 1440);
    painter.drawPicture(0, 0, recording);
    return page;
}

double average(const std::vector<int> &values)
{
    double sum = 0;
    for (int value : values)
        sum += value;
    return values.empty() ? 0 : sum / static_cast<double>(values.size());
}

} // namespace

TEST(BoldTextIsDrawnBold, BoldStemsAreAtLeastOnePointFourTimesAsWideAsRegularInEveryFont)
{
    for (const char *font : {"Tahoma", "Calibri", "Times New Roman", "Arial"}) {
        const std::vector<int> regular = stemWidths(letters(font, false));
        const std::vector<int> bold = stemWidths(letters(font, true));
        ASSERT_EQ(regular.size(), 8u) << font;
        ASSERT_EQ(bold.size(), 8u) << font;
        EXPECT_GE(average(bold), FontResolver::leastBoldStemRatio * average(regular))
            << font << ": regular stems " << average(regular) << " px, bold " << average(bold) << " px";
    }
}

TEST(BoldTextIsDrawnBold, DrawingBoldKeepsTheBoldFacesAdvances)
{
    // Eight bold l's end where the bold face's advances put them, stroked or not.
    const DocumentModel model = RtfReader::read(letters("Tahoma", true));
    const DocumentLayout layout = DocumentLayout::build(model);
    QFont bold = FontResolver::instance().layoutFont(QStringLiteral("Tahoma"), 24, true);
    const QRawFont face = QRawFont::fromFont(bold);
    const QList<quint32> glyphs = face.glyphIndexesForString(QStringLiteral("l"));
    ASSERT_FALSE(glyphs.isEmpty());
    const double advance = face.advancesForGlyphIndexes(glyphs).first().x();
    EXPECT_NEAR(layout.caretXTwips(layout.lines().at(0)).back(), 8 * advance, 1);
}

TEST(BoldTextIsDrawnBold, OnlyAFaceMeasuredTooLightIsStroked)
{
    FontResolver &fonts = FontResolver::instance();
    for (const char *font : {"Calibri", "Times New Roman", "Arial"}) {
        const QRawFont regular = QRawFont::fromFont(fonts.layoutFont(QString::fromLatin1(font), 24, false));
        const QRawFont bold = QRawFont::fromFont(fonts.layoutFont(QString::fromLatin1(font), 24, true));
        EXPECT_GE(FontResolver::stemEm(bold), FontResolver::leastBoldStemRatio * FontResolver::stemEm(regular)) << font;
        EXPECT_EQ(fonts.boldStrokeEm(bold), 0) << font << " is heavy enough as it is";
        EXPECT_EQ(fonts.boldStrokeEm(regular), 0) << font << " regular is never stroked";
    }
}

TEST(BoldTextIsDrawnBold, KeptGlyphPicturesDrawWhatTheStrokedOutlinesDraw)
{
    const QRawFont face = QRawFont::fromFont(FontResolver::instance().layoutFont(QStringLiteral("Tahoma"), 24, true));
    if (FontResolver::instance().boldStrokeEm(face) <= 0)
        GTEST_SKIP() << "this machine's bold Tahoma is not stroked";
    const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Tahoma;}}\\pard\\plain\\f0\\fs24\\b "
                           "Quartermaster Wexford, 2019 - 2024: logistics}";
    const DocumentLayout layout = DocumentLayout::build(RtfReader::read(rtf));
    // Twice, so that the second page comes from kept pictures only.
    for (int pass = 0; pass < 2; ++pass) {
        for (const double pixelsPerInch : {63.0, 150.0}) {
            const QImage drawn = PageRenderer(layout, FontResolver::instance()).render(0, pixelsPerInch);
            const QImage outlines = pageFromOutlines(layout, pixelsPerInch);
            ASSERT_EQ(drawn.size(), outlines.size());
            long inkDrawn = 0;
            long inkOutlines = 0;
            int farApart = 0;
            for (int y = 0; y < drawn.height(); ++y) {
                for (int x = 0; x < drawn.width(); ++x) {
                    const int a = 255 - qGray(drawn.pixel(x, y));
                    const int b = 255 - qGray(outlines.pixel(x, y));
                    inkDrawn += a;
                    inkOutlines += b;
                    farApart += std::abs(a - b) > 96;
                }
            }
            ASSERT_GT(inkOutlines, 0);
            EXPECT_NEAR(static_cast<double>(inkDrawn) / static_cast<double>(inkOutlines), 1.0, 0.03) << pixelsPerInch;
            EXPECT_LE(farApart, inkOutlines / 255 / 50) << pixelsPerInch << " ppi: pixels far from the outlines' drawing";
        }
    }
}
