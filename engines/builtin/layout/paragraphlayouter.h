#pragma once

#include "paragraphbox.h"

#include <QString>
#include <QTextLayout>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace engine {

struct DocumentModel;
struct ParagraphFormat;
class FontResolver;
class ParagraphMemo;

// Lays out single paragraphs of a document with the defaults of a new Word
// document: lines spaced 259/240 apart as LibreOffice reads that (107 %), 8 pt
// after each paragraph.
class ParagraphLayouter {
public:
    // Lays out paragraphs of `model` with the faces `fonts` chooses, taking
    // those that `memo` (when given) holds from there.
    ParagraphLayouter(const DocumentModel &model, FontResolver &fonts, ParagraphMemo *memo = nullptr);

    // The paragraph [from, mark] laid out in a column `widthTwips` wide;
    // `listOrdinal` numbers it within its list, from 1.
    ParagraphBox layout(int from, int mark, int widthTwips, int listOrdinal) const;

    // How many story positions have had their text shaped into lines in this
    // process; a paragraph taken from a memo adds none.
    static long positionsLaidOut();

    // The height of a line whose tallest faces reach `aboveBaselineTwips` and
    // `belowBaselineTwips`, with the default line spacing applied.
    static int spacedLineHeightTwips(int aboveBaselineTwips, int belowBaselineTwips);

    // Fills the caret positions of `line`, one of the lines of `text`, unless
    // they are there already.
    static void placeCarets(const ParagraphLine &line, const QTextLayout &text);

    // The leftmost and rightmost x that story positions [from, to) of `line`
    // cover, from the column's left edge, in twips.
    static std::pair<double, double> spanX(const ParagraphLine &line, const QTextLayout &text, int from, int to);

    // The leftmost and rightmost x that the characters [from, to) of
    // `characters` cover on `textLine`, in the line's own coordinates:
    // right-to-left runs put them in another order than the text's.
    static std::pair<double, double> visualSpan(const QTextLine &textLine, const QString &characters, int from,
                                                int to);

private:
    struct Text {
        QString characters;
        // Index into `characters` of each story position from the paragraph's
        // start to its mark, inclusive.
        std::vector<int> indexOfPosition;
        QList<QTextLayout::FormatRange> formats;
        // The story's character format of each range in `formats`.
        std::vector<int> formatIndices;
    };

    // The index into `characters` of the story position `count` places
    // after the start of `textLine`.
    static int textIndex(const QTextLine &textLine, const QString &characters, int count);

    Text collectText(int from, int mark) const;
    std::shared_ptr<QTextLayout> textLayout(const Text &text, int mark, long alignment) const;
    void breakLines(ParagraphBox &box, const Text &text, long alignment, int indentTwips, int widthTwips) const;
    // Lays `textLine` out `widthTwips` wide, ending it where LibreOffice
    // would: at a place a line of `characters` may end, measured as it
    // measures. A line takes a word Qt finds too wide only when `mayWiden`.
    static void breakAsLibreOffice(QTextLine &textLine, const QString &characters, int widthTwips, bool mayWiden);
    // The last place before `end` where the line from `start` may end, by
    // `breaks` (indexed from `start`); `start` when there is none.
    static int previousBreak(const std::vector<bool> &breaks, int start, int end);
    // The width of the spaces ending `textLine` (its visible text ending at
    // `visibleEnd`) that are drawn, 0 when they are not.
    static double keptBreakSpaceTwips(const QTextLine &textLine, const Text &text, int visibleEnd, int lineWidthTwips);
    std::optional<ListMark> listMarkFor(const ParagraphFormat &format, int mark, int listOrdinal) const;
    void measureLine(ParagraphLine &line, const QTextLine &textLine, const Text &text, int mark,
                     const ListMark *listMark) const;
    static void spanPositions(ParagraphLine &line, const QTextLine &textLine, const Text &text, int from);

    ParagraphBox layoutAfresh(int from, int mark, int widthTwips, int listOrdinal) const;

    const DocumentModel &m_model;
    FontResolver &m_fonts;
    ParagraphMemo *m_memo;
};

} // namespace engine
