#include "paragraphlayouter.h"

#include "fonts/fontresolver.h"
#include "model/documentmodel.h"
#include "paragraphmemo.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextOption>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace engine {
namespace {

constexpr int spaceAfterTwips = 160;
// A document's default tab stops, every half inch.
constexpr int defaultTabTwips = 720;
// RTF's \sl259\slmult1 asks for 259/240 of a single line. LibreOffice keeps
// proportional spacing in whole percents and truncates this to 107 %; we space
// lines as it does, so that the saved file shows in it as in our preview.
constexpr int lineSpacingPercent = 259 * 100 / 240;
// What LibreOffice adds below the last line of a table cell, in percent of
// the font's size rather than of its height.
constexpr int cellEndSpacingPercent = 8;

// Marks a line break opportunity without taking any room.
constexpr char16_t zeroWidthSpace = 0x200B;

// Word and LibreOffice break a line after a hyphen inside a word or number
// ("541-|555-0187"); Qt's rules keep a hyphen with the digits after it.
bool breaksAfterHyphen(const Story &story, int position, int mark)
{
    if (position == 0 || position + 1 >= mark || story.at(position).character != U'-')
        return false;
    const char32_t before = story.at(position - 1).character;
    const char32_t after = story.at(position + 1).character;
    return QChar::isLetterOrNumber(before) && QChar::isDigit(after);
}

// Characters that never begin a line, even after spaces: closing brackets,
// the separators inside numbers, exclamation and question marks and the
// slash. LibreOffice follows the Unicode rule here and keeps "word ," on one
// line; Qt breaks after any space.
bool neverBeginsLine(QChar character)
{
    switch (character.unicode()) {
    case u',':
    case u'.':
    case u':':
    case u';':
    case u'!':
    case u'?':
    case u'/':
    case 0x3001: // ideographic comma
    case 0x3002: // ideographic full stop
    case 0xFF01: // fullwidth exclamation mark
    case 0xFF0C: // fullwidth comma
    case 0xFF0E: // fullwidth full stop
    case 0xFF1A: // fullwidth colon
    case 0xFF1B: // fullwidth semicolon
    case 0xFF1F: // fullwidth question mark
        return true;
    default:
        return character.category() == QChar::Punctuation_Close;
    }
}

// Where a line of `characters` from `start` may end up to `end`, by index
// less `start` of the character after it: after spaces, as Qt breaks,
// unless what follows never begins a line; elsewhere where the Unicode rules
// allow it (after a hyphen, between ideographs, at a break opportunity we
// marked).
std::vector<bool> lineBreaks(const QString &characters, int start, int end)
{
    // The character after `end` decides whether the line may end there.
    const int length = static_cast<int>(std::min<qsizetype>(end + 1, characters.size())) - start;
    std::vector<bool> breaks(static_cast<size_t>(end - start) + 1, false);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, characters.constData() + start, length);
    for (qsizetype index = finder.toNextBoundary(); index > 0 && index <= end - start; index = finder.toNextBoundary())
        breaks[static_cast<size_t>(index)] = true;
    for (int index = start + 1; index <= end && index < characters.size(); ++index) {
        const QChar at = characters.at(index);
        if (characters.at(index - 1).isSpace())
            breaks[static_cast<size_t>(index - start)] = !at.isSpace() && !neverBeginsLine(at);
    }
    return breaks;
}

// Whether the line [start, end) ends where nothing more can join it: at the
// paragraph's end or a typed line break.
bool endsForced(const QString &characters, int start, int end)
{
    if (end >= characters.size() || end <= start)
        return true;
    const QChar last = characters.at(end - 1);
    return last.unicode() < 0x20 || last.category() == QChar::Separator_Line
        || last.category() == QChar::Separator_Paragraph;
}

// LibreOffice measures text for breaking lines on a device of 8640 dots an
// inch, six to a twip, each glyph's advance rounded to a whole dot.
constexpr int measuringDotsPerTwip = 6;

// The width of the characters [start, end) of `textLine` without the spaces
// that end them, in LibreOffice's measuring dots. Our own advances are cut
// to 1/64 twip and a line a fraction of a twip too wide for LibreOffice
// fits for Qt; rounded otherwise, one glyph gains or loses 1/12 twip.
long measuredWidthDots(const QTextLine &textLine, const QString &characters, int start, int end)
{
    while (end > start && characters.at(end - 1).isSpace())
        --end;
    long width = 0;
    for (const QGlyphRun &run : textLine.glyphRuns(start, end - start)) {
        const QRawFont font = run.rawFont();
        const double pixels = font.pixelSize();
        const double unitsPerEm = font.unitsPerEm();
        if (pixels <= 0 || unitsPerEm <= 0)
            continue;
        for (const QPointF &advance : font.advancesForGlyphIndexes(run.glyphIndexes(), QRawFont::UseDesignMetrics)) {
            // The face's own advance, in whole font units, comes back from
            // Qt's cut one at every size above 1/32 em in pixels.
            const double units = std::round(advance.x() * unitsPerEm / pixels);
            width += std::lround(units * pixels * measuringDotsPerTwip / unitsPerEm);
        }
    }
    return width;
}

std::atomic<long> shapedPositions{0};

// Appends one story character: one UTF-16 unit, two outside the Basic
// Multilingual Plane, and the replacement character for what is no character.
void appendCharacter(QString &text, char32_t character)
{
    if (character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF)) {
        text += QChar(QChar::ReplacementCharacter);
    } else if (QChar::requiresSurrogates(character)) {
        text += QChar(QChar::highSurrogate(character));
        text += QChar(QChar::lowSurrogate(character));
    } else {
        text += QChar(static_cast<char16_t>(character));
    }
}

// Whether any character of [from, to) is written right to left, which makes
// the bidirectional algorithm reorder its line.
bool holdsRightToLeft(const QString &text, int from, int to)
{
    for (int i = from; i < to; ++i) {
        switch (text.at(i).direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
        case QChar::DirRLE:
        case QChar::DirRLO:
        case QChar::DirRLI:
            return true;
        default:
            break;
        }
    }
    return false;
}

// Whether the first letter or number from `index` on, going by `step`, is
// written right to left: punctuation and spaces between two such take
// their direction.
bool strongRightToLeft(const QString &text, int index, int step)
{
    for (int i = index; i >= 0 && i < text.size(); i += step) {
        switch (text.at(i).direction()) {
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirAN:
            return true;
        case QChar::DirL:
        case QChar::DirEN:
            return false;
        default:
            break;
        }
    }
    return false;
}

QString listText(const ListLevelFormat &level, int ordinal)
{
    if (level.numberStyle == word::wdListNumberStyleBullet)
        return level.numberFormat;
    QString text = level.numberFormat;
    return text.replace(QStringLiteral("%1"), QString::number(ordinal));
}

} // namespace

ParagraphLayouter::ParagraphLayouter(const DocumentModel &model, FontResolver &fonts, ParagraphMemo *memo)
    : m_model(model)
    , m_fonts(fonts)
    , m_memo(memo)
{
}

long ParagraphLayouter::positionsLaidOut()
{
    return shapedPositions;
}

int ParagraphLayouter::spacedLineHeightTwips(int aboveBaselineTwips, int belowBaselineTwips)
{
    return (aboveBaselineTwips + belowBaselineTwips) * lineSpacingPercent / 100;
}

ParagraphLayouter::Text ParagraphLayouter::collectText(int from, int mark) const
{
    const Story &story = m_model.story;
    Text text;
    text.indexOfPosition.reserve(static_cast<size_t>(mark - from + 1));
    text.characters.reserve(mark - from + 1);
    int runStart = 0;
    int runFormat = -1;
    auto closeRun = [&] {
        if (runFormat < 0 || text.characters.size() == runStart)
            return;
        const CharacterFormat &format = story.characterFormat(runFormat);
        QTextCharFormat charFormat;
        const QStringView runText = QStringView(text.characters).mid(runStart);
        charFormat.setFont(
            m_fonts.layoutFont(format.fontName, format.sizeHalfPoints, format.bold, format.kerned(), runText),
            QTextCharFormat::FontPropertiesAll);
        text.formats.append({runStart, static_cast<int>(text.characters.size()) - runStart, charFormat});
        text.formatIndices.push_back(runFormat);
    };
    for (int i = from; i < mark; ++i) {
        const StoryPosition &position = story.at(i);
        if (position.characterFormat != runFormat) {
            closeRun();
            runStart = static_cast<int>(text.characters.size());
            runFormat = position.characterFormat;
        }
        text.indexOfPosition.push_back(static_cast<int>(text.characters.size()));
        appendCharacter(text.characters, position.character);
        if (breaksAfterHyphen(story, i, mark))
            text.characters += QChar(zeroWidthSpace);
    }
    closeRun();
    text.indexOfPosition.push_back(static_cast<int>(text.characters.size()));
    return text;
}

std::optional<ListMark> ParagraphLayouter::listMarkFor(const ParagraphFormat &format, int mark, int listOrdinal) const
{
    if (format.list < 0 || format.list >= static_cast<int>(m_model.lists.size()))
        return std::nullopt;
    const ListLevelFormat &level = m_model.lists.at(static_cast<size_t>(format.list)).levels[0];
    // The mark takes the paragraph mark's character format where its level sets none.
    const CharacterFormat &markFormat = m_model.story.characterFormat(m_model.story.at(mark).characterFormat);
    ListMark listMark;
    listMark.text = listText(level, listOrdinal);
    listMark.fontName = level.fontName.isEmpty() ? markFormat.fontName : level.fontName;
    listMark.sizeHalfPoints = markFormat.sizeHalfPoints;
    const auto size = level.fontProperties.find(word::FontProperty::Size);
    if (size != level.fontProperties.end() && size->second > 0 && size->second < 1638)
        listMark.sizeHalfPoints = static_cast<int>(size->second * 2);
    listMark.bold = markFormat.bold;
    const auto bold = level.fontProperties.find(word::FontProperty::Bold);
    if (bold != level.fontProperties.end() && bold->second != word::wdUndefined)
        listMark.bold = bold->second != 0;
    listMark.xTwips = static_cast<int>(std::lround(level.numberPositionPoints * 20));
    return listMark;
}

void ParagraphLayouter::measureLine(ParagraphLine &line, const QTextLine &textLine, const Text &text, int mark,
                                    const ListMark *listMark) const
{
    const Story &story = m_model.story;
    int above = 0;
    int below = 0;
    int largestSizeHalfPoints = 0;
    double textHeight = 0;
    auto include = [&](const CharacterFormat &format) {
        const VerticalMetrics metrics = m_fonts.verticalMetrics(format.fontName, format.sizeHalfPoints, format.bold);
        above = std::max(above, metrics.aboveBaselineTwips);
        below = std::max(below, metrics.belowBaselineTwips);
        largestSizeHalfPoints = std::max(largestSizeHalfPoints, format.sizeHalfPoints);
        textHeight = std::max(textHeight, metrics.exactHeightTwips);
    };
    const int start = textLine.textStart();
    const int end = start + textLine.textLength();
    for (int run = 0; run < text.formats.size(); ++run) {
        const QTextLayout::FormatRange &range = text.formats.at(run);
        if (range.start < end && range.start + range.length > start)
            include(story.characterFormat(text.formatIndices[static_cast<size_t>(run)]));
    }
    // An empty line is as high as the paragraph mark's font.
    if (above == 0 && below == 0)
        include(story.characterFormat(story.at(mark).characterFormat));
    if (listMark) {
        CharacterFormat markFormat;
        markFormat.fontName = listMark->fontName;
        markFormat.sizeHalfPoints = listMark->sizeHalfPoints;
        markFormat.bold = listMark->bold;
        include(markFormat);
    }
    line.heightTwips = spacedLineHeightTwips(above, below);
    line.leadingTwips = line.heightTwips - line.heightTwips * 100 / lineSpacingPercent;
    line.cellEndHeightTwips = above + below + largestSizeHalfPoints * 10 * cellEndSpacingPercent / 100;
    line.textHeightTwips = textHeight;
    line.baselineTwips = above;
}

void ParagraphLayouter::spanPositions(ParagraphLine &line, const QTextLine &textLine, const Text &text, int from)
{
    const int start = textLine.textStart();
    const int end = start + textLine.textLength();
    const auto first = std::lower_bound(text.indexOfPosition.begin(), text.indexOfPosition.end(), start);
    const auto after = std::lower_bound(first, text.indexOfPosition.end(), end);
    line.from = from + static_cast<int>(first - text.indexOfPosition.begin());
    line.to = from + static_cast<int>(after - text.indexOfPosition.begin());
}

int ParagraphLayouter::textIndex(const QTextLine &textLine, const QString &characters, int count)
{
    // Story positions are whole characters; one outside the Basic
    // Multilingual Plane takes two places in the text.
    int index = textLine.textStart();
    for (int i = 0; i < count && index < characters.size(); ++i)
        index += characters.at(index).isHighSurrogate() ? 2 : 1;
    return index;
}

void ParagraphLayouter::placeCarets(const ParagraphLine &line, const QTextLayout &text)
{
    if (!line.caretCache.empty())
        return;
    const QTextLine textLine = text.lineAt(line.textLine);
    const QString &characters = text.text();
    const int count = line.to - line.from + (line.last ? 1 : 0);
    line.caretCache.reserve(static_cast<size_t>(count));
    int index = textLine.textStart();
    for (int i = 0; i < count; ++i) {
        line.caretCache.push_back(line.textLeftTwips + textLine.cursorToX(index));
        index += index < characters.size() && characters.at(index).isHighSurrogate() ? 2 : 1;
    }
}

std::pair<double, double> ParagraphLayouter::spanX(const ParagraphLine &line, const QTextLayout &text, int from,
                                                   int to)
{
    const QTextLine textLine = text.lineAt(line.textLine);
    const QString &characters = text.text();
    const auto [left, right] = visualSpan(textLine, characters, textIndex(textLine, characters, from - line.from),
                                          textIndex(textLine, characters, to - line.from));
    return {line.textLeftTwips + left, line.textLeftTwips + right};
}

std::pair<double, double> ParagraphLayouter::visualSpan(const QTextLine &textLine, const QString &characters, int from,
                                                        int to)
{
    const int lineEnd = textLine.textStart() + textLine.textLength();
    if (!holdsRightToLeft(characters, textLine.textStart(), lineEnd))
        return {textLine.cursorToX(from), textLine.cursorToX(to)};
    // Reordered, the characters lie anywhere on the line, and Qt gives a
    // cursor between runs of different direction the edge of one of them,
    // which is not always the edge of the character: the span is that of the
    // glyphs drawn for the characters.
    double left = 0;
    double right = 0;
    bool any = false;
    for (const QGlyphRun &run : textLine.glyphRuns(from, to - from)) {
        const QList<QPointF> positions = run.positions();
        const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(run.glyphIndexes());
        for (qsizetype i = 0; i < positions.size() && i < advances.size(); ++i) {
            const double glyphLeft = positions.at(i).x();
            const double glyphRight = glyphLeft + advances.at(i).x();
            left = any ? std::min(left, glyphLeft) : glyphLeft;
            right = any ? std::max(right, glyphRight) : glyphRight;
            any = true;
        }
    }
    if (!any)
        return {textLine.cursorToX(from), textLine.cursorToX(from)};
    return {left, right};
}

double ParagraphLayouter::keptBreakSpaceTwips(const QTextLine &textLine, const Text &text, int visibleEnd,
                                              int lineWidthTwips)
{
    const QString &characters = text.characters;
    const int start = textLine.textStart();
    const int next = start + textLine.textLength();
    if (visibleEnd == start || visibleEnd == next || !strongRightToLeft(characters, visibleEnd - 1, -1)
        || !strongRightToLeft(characters, next, 1))
        return 0;
    // Only a line of right-to-left text alone moves whole with the space;
    // in a mixed line only its last stretch would. Numbers before the first
    // right-to-left letter run left to right on their own.
    bool rightToLeftSeen = false;
    for (int i = start; i < visibleEnd; ++i) {
        const QChar::Direction direction = characters.at(i).direction();
        if (direction == QChar::DirL || (direction == QChar::DirEN && !rightToLeftSeen))
            return 0;
        rightToLeftSeen = rightToLeftSeen || holdsRightToLeft(characters, i, i + 1);
    }
    double spaceTwips = 0;
    for (int i = visibleEnd; i < next; ++i) {
        const auto format = std::find_if(text.formats.begin(), text.formats.end(), [i](const auto &range) {
            return range.start <= i && i < range.start + range.length;
        });
        if (format != text.formats.end())
            spaceTwips += QFontMetricsF(format->format.font()).horizontalAdvance(characters.at(i));
    }
    // LibreOffice asks whether the space fits as it measures the line.
    const long lineDots = measuredWidthDots(textLine, characters, start, visibleEnd)
                          + std::lround(spaceTwips * measuringDotsPerTwip);
    return lineDots <= long{lineWidthTwips} * measuringDotsPerTwip ? spaceTwips : 0;
}

std::shared_ptr<QTextLayout> ParagraphLayouter::textLayout(const Text &text, int mark, long alignment) const
{
    auto layout = std::make_shared<QTextLayout>(text.characters);
    layout->setFormats(text.formats);
    QTextOption option;
    // Qt stretches justified lines itself, all but a paragraph's last; the
    // other alignments are done by placing each line.
    option.setAlignment(alignment == word::wdAlignParagraphJustify ? Qt::AlignJustify : Qt::AlignLeft);
    // Our paragraphs run left to right, as they do for readers of the saved
    // file, which take a paragraph's direction from its properties and not
    // from its first letter as Qt would: Arabic or Hebrew words inside it are
    // reordered in their runs.
    option.setTextDirection(Qt::LeftToRight);
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    option.setUseDesignMetrics(true);
    option.setTabStopDistance(defaultTabTwips);
    layout->setTextOption(option);
    const CharacterFormat &markFormat = m_model.story.characterFormat(m_model.story.at(mark).characterFormat);
    layout->setFont(
        m_fonts.layoutFont(markFormat.fontName, markFormat.sizeHalfPoints, markFormat.bold, markFormat.kerned()));
    return layout;
}

void ParagraphLayouter::breakLines(ParagraphBox &box, const Text &text, long alignment, int indentTwips,
                                   int widthTwips) const
{
    const int lineWidthTwips = std::max(1, widthTwips - indentTwips);
    box.text->beginLayout();
    int top = 0;
    for (QTextLine textLine = box.text->createLine(); textLine.isValid(); textLine = box.text->createLine()) {
        breakAsLibreOffice(textLine, text.characters, lineWidthTwips, alignment != word::wdAlignParagraphJustify);
        ParagraphLine line;
        line.textLine = textLine.lineNumber();
        line.topTwips = top;
        measureLine(line, textLine, text, box.mark, box.listMark && line.textLine == 0 ? &*box.listMark : nullptr);
        // Word centres and right-aligns a line without its trailing spaces;
        // Qt counts them in the width of a paragraph's last line.
        int visibleEnd = textLine.textStart() + textLine.textLength();
        while (visibleEnd > textLine.textStart() && text.characters.at(visibleEnd - 1).isSpace())
            --visibleEnd;
        const auto [visibleLeft, visibleRight] =
            visualSpan(textLine, text.characters, textLine.textStart(), visibleEnd);
        // Qt draws no space where a line breaks; LibreOffice keeps the one
        // that breaks a right-to-left stretch, at the stretch's left end,
        // when it fits on the line, unless it centres the line.
        const bool centred = alignment == word::wdAlignParagraphCenter;
        const double spaceTwips = centred ? 0 : keptBreakSpaceTwips(textLine, text, visibleEnd, lineWidthTwips);
        line.textLeftTwips = indentTwips + spaceTwips;
        if (centred)
            line.textLeftTwips += (lineWidthTwips - visibleRight - visibleLeft) / 2;
        else if (alignment == word::wdAlignParagraphRight)
            line.textLeftTwips += lineWidthTwips - spaceTwips - visibleRight;
        top += line.heightTwips;
        box.lines.push_back(std::move(line));
    }
    box.text->endLayout();
}

void ParagraphLayouter::breakAsLibreOffice(QTextLine &textLine, const QString &characters, int widthTwips,
                                           bool mayWiden)
{
    // Measured as LibreOffice measures, a line is at most 1/10 twip a glyph
    // wider or narrower than for Qt, and a glyph of a face of 4 pt or more
    // is 20 twips wide or more. A line that much wider may take a word more.
    const int toleranceTwips = widthTwips / 200 + 1;
    const int slackTwips = mayWiden ? toleranceTwips : 0;
    textLine.setLineWidth(widthTwips + slackTwips);
    const int start = textLine.textStart();
    const int qtEnd = start + textLine.textLength();
    const bool forced = endsForced(characters, start, qtEnd);
    // Most lines are short of full by more than any rounding; only a break
    // after a space before a mark that never begins a line needs moving.
    if (textLine.naturalTextWidth() <= widthTwips - toleranceTwips
        && (forced || !characters.at(qtEnd - 1).isSpace() || !neverBeginsLine(characters.at(qtEnd))))
        return;
    const std::vector<bool> breaks = lineBreaks(characters, start, qtEnd);
    int end = qtEnd;
    if (!forced && !breaks.back())
        end = previousBreak(breaks, start, end);
    const long widthDots = long{widthTwips} * measuringDotsPerTwip;
    while (end > start && measuredWidthDots(textLine, characters, start, end) > widthDots)
        end = previousBreak(breaks, start, end);
    if (end <= start) {
        // Nothing fits: Qt breaks the word where the line is full.
        textLine.setLineWidth(widthTwips);
        return;
    }
    if (end == qtEnd)
        return;
    // Qt counts a line's columns in glyphs, and a ligature is one glyph for
    // several characters.
    int glyphs = 0;
    for (const QGlyphRun &run : textLine.glyphRuns(start, end - start))
        glyphs += static_cast<int>(run.glyphIndexes().size());
    textLine.setNumColumns(glyphs, widthTwips + slackTwips);
    // Should Qt count otherwise, its own break beats one inside a word.
    if (textLine.textLength() != end - start)
        textLine.setLineWidth(widthTwips);
}

int ParagraphLayouter::previousBreak(const std::vector<bool> &breaks, int start, int end)
{
    for (int index = end - 1; index > start; --index) {
        if (breaks[static_cast<size_t>(index - start)])
            return index;
    }
    return start;
}

ParagraphBox ParagraphLayouter::layout(int from, int mark, int widthTwips, int listOrdinal) const
{
    if (!m_memo)
        return layoutAfresh(from, mark, widthTwips, listOrdinal);
    const std::string key = ParagraphMemo::key(m_model, from, mark, widthTwips, listOrdinal);
    ParagraphBox box;
    if (m_memo->find(key, from, box))
        return box;
    box = layoutAfresh(from, mark, widthTwips, listOrdinal);
    m_memo->keep(key, box);
    return box;
}

ParagraphBox ParagraphLayouter::layoutAfresh(int from, int mark, int widthTwips, int listOrdinal) const
{
    shapedPositions += mark - from + 1;
    const ParagraphFormat &format = m_model.story.paragraphFormat(m_model.story.at(mark).paragraphFormat);
    ParagraphBox box;
    box.from = from;
    box.mark = mark;
    box.spaceAfterTwips = spaceAfterTwips;
    box.listMark = listMarkFor(format, mark, listOrdinal);
    // A list paragraph's lines all start at the level's text position: the
    // first after its number and tab, the others hanging below it.
    const int indentTwips = box.listMark ? static_cast<int>(std::lround(
                                m_model.lists.at(static_cast<size_t>(format.list)).levels[0].textPositionPoints * 20))
                                         : 0;
    const Text text = collectText(from, mark);
    box.text = textLayout(text, mark, format.alignment);
    breakLines(box, text, format.alignment, indentTwips, widthTwips);
    for (ParagraphLine &line : box.lines)
        spanPositions(line, box.text->lineAt(line.textLine), text, from);
    if (!box.lines.empty())
        box.lines.back().last = true;
    return box;
}

} // namespace engine
