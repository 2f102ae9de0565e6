// Bold text looks bold on the page pictures, whatever the weight of the
// installed bold face's outlines, and drawing it bold moves no line break.
#include "fonts/fontresolver.h"
#include "layout/documentlayout.h"
#include "render/pagerenderer.h"
#include "formats/rtf/rtfreader.h"

#include <QImage>
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
