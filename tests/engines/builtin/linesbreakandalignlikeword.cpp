// Lines break and align as Word and LibreOffice do: after a hyphen between
// digits, and centred or right-aligned on their text without trailing spaces.
#include "newdocumenttest.h"
#include "storyinspection.h"

#include "layout/documentlayout.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

constexpr int textWidthTwips = 12240 - 2 * 1440;

class LinesBreakAndAlignLikeWord : public NewDocumentTest {
protected:
    // The text of each line of the document, marks left out.
    QStringList lineTexts(const DocumentLayout &layout)
    {
        QStringList texts;
        const Story &story = StoryInspection::model(*document).story;
        for (const VisualLine &line : layout.lines()) {
            const ParagraphLine &paragraphLine = layout.paragraphLine(line);
            texts << StoryInspection::text(story, paragraphLine.from, paragraphLine.to);
        }
        return texts;
    }

};

} // namespace

TEST_F(LinesBreakAndAlignLikeWord, APhoneNumberAtTheLineEndBreaksAfterAHyphen)
{
    // A first word one letter longer each time walks the number across the
    // line's end; somewhere only its start fits.
    const QString number = QStringLiteral("541-555-0187");
    QString brokenLine;
    for (int letters = 30; letters < 58 && brokenLine.isEmpty(); ++letters) {
        selection->homeKey(word::wdStory);
        selection->endKey(word::wdStory, word::wdExtend);
        selection->typeText(QStringLiteral("w").repeated(letters) + QStringLiteral(" long enough ") + number);
        const QStringList lines = lineTexts(DocumentLayout::build(StoryInspection::model(*document)));
        if (lines.size() == 2 && !lines.first().endsWith(QLatin1Char(' ')))
            brokenLine = lines.first();
    }
    ASSERT_FALSE(brokenLine.isEmpty()) << "the number never broke inside";
    EXPECT_TRUE(brokenLine.endsWith(QStringLiteral(" 541-")) || brokenLine.endsWith(QStringLiteral(" 541-555-")))
        << brokenLine.toStdString();
}

TEST_F(LinesBreakAndAlignLikeWord, TrailingSpacesDoNotMoveACentredOrRightAlignedLine)
{
    selection->paragraphFormat()->setAlignment(word::wdAlignParagraphCenter);
    selection->typeText(QStringLiteral("Centred   \r\n"));
    selection->paragraphFormat()->setAlignment(word::wdAlignParagraphRight);
    selection->typeText(QStringLiteral("Right   "));
    const DocumentLayout layout = DocumentLayout::build(StoryInspection::model(*document));
    ASSERT_EQ(layout.lines().size(), 2u);
    const std::vector<double> &centred = layout.caretXTwips(layout.lines()[0]);
    const std::vector<double> &right = layout.caretXTwips(layout.lines()[1]);
    // caretXTwips[7] stands after "Centred", [5] after "Right".
    const double centredMiddle = (centred.at(0) + centred.at(7)) / 2;
    EXPECT_NEAR(centredMiddle, textWidthTwips / 2.0, 2);
    EXPECT_NEAR(right.at(5), textWidthTwips, 2);
}
