// Each Word font is drawn with one chosen face, never whatever the font
// matcher offers, and that face gives the line heights LibreOffice uses.
#include "fonts/fontresolver.h"
#include "layout/paragraphlayouter.h"

#include <QDir>
#include <QFontInfo>
#include <QRawFont>
#include <gtest/gtest.h>

using namespace engine;

namespace {

const QString wineFonts = QStringLiteral("/usr/share/wine/fonts");

bool wineFontsInstalled()
{
    return QFile::exists(wineFonts + QStringLiteral("/tahoma.ttf"))
        && QFile::exists(wineFonts + QStringLiteral("/wingding.ttf"));
}

} // namespace

TEST(FontResolutionIsDeterministic, WordFontsMapToTheirMetricCompatibleFaces)
{
    FontResolver &fonts = FontResolver::instance();
    EXPECT_EQ(fonts.familyFor(QStringLiteral("Calibri")), QStringLiteral("Carlito"));
    EXPECT_EQ(fonts.familyFor(QStringLiteral("Times New Roman")), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(fonts.familyFor(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    // A font we do not know is drawn like the document's default, by choice.
    EXPECT_EQ(fonts.familyFor(QStringLiteral("Comic Sans MS")), QStringLiteral("Carlito"));
    for (const char *name : {"Calibri", "Times New Roman", "Arial", "Tahoma"}) {
        const QFont font = fonts.layoutFont(QString::fromLatin1(name), 22, true);
        EXPECT_EQ(QFontInfo(font).family(), fonts.familyFor(QString::fromLatin1(name))) << name << " fell back";
        EXPECT_EQ(font.pixelSize(), 220) << "layout fonts measure in twips";
    }
}

TEST(FontResolutionIsDeterministic, TahomaAndWingdingsComeFromWinesFontFolder)
{
    if (!wineFontsInstalled()) {
        if (qEnvironmentVariableIsSet("CI"))
            FAIL() << "fonts-wine is not installed";
        GTEST_SKIP() << "fonts-wine is not installed";
    }
    FontResolver &fonts = FontResolver::instance();
    EXPECT_EQ(fonts.familyFor(QStringLiteral("Tahoma")), QStringLiteral("Tahoma"));
    ASSERT_TRUE(fonts.hasWingdings());
    EXPECT_TRUE(
        QRawFont::fromFont(fonts.layoutFont(QStringLiteral("Wingdings"), 22, false)).supportsCharacter(QChar(0xF0A7)));

    // Without the folder there is no Wingdings, and Tahoma is DejaVu Sans as fontconfig would have it.
    FontResolver without(QDir::tempPath() + QStringLiteral("/no-such-font-folder"));
    EXPECT_FALSE(without.hasWingdings());
    EXPECT_EQ(without.familyFor(QStringLiteral("Tahoma")), QStringLiteral("DejaVu Sans"));
}

TEST(FontResolutionIsDeterministic, LineHeightsAreThoseLibreOfficePrints)
{
    // Line pitches measured in LibreOffice's PDF of the same fonts at 259/240 line spacing.
    struct Case {
        const char *font;
        int halfPoints;
        bool bold;
        int lineTwips;
    };
    const Case cases[] = {{"Calibri", 22, false, 287}, {"Calibri", 18, false, 235},
                          {"Calibri", 44, false, 574}, {"Times New Roman", 22, false, 270},
                          {"Tahoma", 20, true, 214},   {"Tahoma", 24, true, 256},
                          {"Tahoma", 44, true, 470}};
    FontResolver &fonts = FontResolver::instance();
    for (const Case &c : cases) {
        if (QString::fromLatin1(c.font) == QLatin1String("Tahoma") && !wineFontsInstalled())
            continue;
        const VerticalMetrics metrics = fonts.verticalMetrics(QString::fromLatin1(c.font), c.halfPoints, c.bold);
        EXPECT_EQ(ParagraphLayouter::spacedLineHeightTwips(metrics.aboveBaselineTwips, metrics.belowBaselineTwips),
                  c.lineTwips)
            << c.font << " " << c.halfPoints / 2.0;
    }
}
