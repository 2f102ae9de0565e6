#include "layoutcomparison.h"

#include "storyinspection.h"

#include "layout/documentlayout.h"
#include "model/documentmodel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <sstream>

using namespace engine;

namespace {

// The first word of one line, where a layout puts it, in points from the page's top-left corner.
struct PlacedWord {
    QString text;
    int page = 0;
    double leftPoints = 0;
    double baselinePoints = 0;
    // The word drawn leftmost on the line, which is not the first typed when Arabic or Hebrew stand first.
    QString leftmostText;
    double leftmostPoints = 0;
    // Where the line starts with right-to-left words of one letter each, the
    // same line as pdftotext may give it: those letters as one word, when
    // they stand close enough for it to see no gap between them.
    QString joinedText;
    double joinedLeftPoints = 0;
    bool joinedIsLeftmost = false;
};

// `word` read as its one-letter words joined; empty where it starts with none.
PlacedWord asJoined(const PlacedWord &word)
{
    if (word.joinedText.isEmpty())
        return {};
    PlacedWord joined = word;
    joined.text = word.joinedText;
    joined.leftPoints = word.joinedLeftPoints;
    if (word.joinedIsLeftmost)
        joined.leftmostText = word.joinedText;
    return joined;
}

bool rightToLeft(QChar c)
{
    return c.direction() == QChar::DirR || c.direction() == QChar::DirAL;
}

// The word drawn furthest left of `text`, the line's text from story position
// `from`, and its left in twips from the column's.
std::pair<QString, double> leftmostWord(const DocumentLayout &layout, const VisualLine &line, const QString &text,
                                        int from)
{
    QString leftmost;
    double leftmostTwips = 0;
    int start = 0;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (!word.isEmpty()) {
            const double left = layout.spanXTwips(line, from + start, from + start + static_cast<int>(word.size())).first;
            if (leftmost.isEmpty() || left < leftmostTwips) {
                leftmost = word;
                leftmostTwips = left;
            }
        }
        start += static_cast<int>(word.size()) + 1;
    }
    return {leftmost, leftmostTwips};
}

bool lamOrAlef(QChar c)
{
    switch (c.unicode()) {
    case 0x0622: // alef with madda above
    case 0x0623: // alef with hamza above
    case 0x0625: // alef with hamza below
    case 0x0627: // alef
    case 0x0644: // lam
        return true;
    default:
        return false;
    }
}

// `text` with every run of lams and alefs in one order. The ligature of lam
// and alef is one glyph that pdftotext gives as the two letters, which
// turning the word back into typed order swaps; next to another lam or alef
// ("للا") no single swap tells which pair was the ligature.
QString lamAlefRunsSorted(QString text)
{
    for (auto run = text.begin(); run != text.end();) {
        const auto end = std::find_if_not(run, text.end(), lamOrAlef);
        std::sort(run, end, [](QChar a, QChar b) { return a.unicode() < b.unicode(); });
        run = end == text.end() ? end : end + 1;
    }
    return text;
}

// Whether our word and the PDF's are the same. A right-to-left word's
// punctuation may be drawn at its other end, where pdftotext joins it to the
// neighbouring word or takes it for the start of the next, so it is left out,
// and its lams and alefs may come in another order.
bool sameWord(const QString &ours, const QString &theirs)
{
    if (ours == theirs)
        return true;
    if (std::none_of(ours.begin(), ours.end(), rightToLeft))
        return false;
    auto letters = [](QString text) {
        text.removeIf([](QChar c) { return c.isPunct(); });
        return lamAlefRunsSorted(text);
    };
    const QString ourLetters = letters(ours);
    return !ourLetters.isEmpty() && ourLetters == letters(theirs);
}

bool oneRightToLeftLetter(const QString &word)
{
    return word.size() == 1 && rightToLeft(word.front());
}

// The words of one letter each that a right-to-left line starts with, as
// pdftotext gives them where it sees no gap between them: one word without
// the spaces between; with its left in twips from the column's. Empty unless
// two or more stand first.
std::pair<QString, double> oneLetterWordsJoined(const DocumentLayout &layout, const VisualLine &line,
                                                const QString &text, int from)
{
    QString joined;
    double leftTwips = 0;
    int start = 0;
    for (const QString &word : text.split(QLatin1Char(' '))) {
        if (!word.isEmpty()) {
            if (!oneRightToLeftLetter(word))
                break;
            joined += word;
            leftTwips = layout.spanXTwips(line, from + start, from + start + 1).first;
        }
        start += static_cast<int>(word.size()) + 1;
    }
    return joined.size() < 2 ? std::pair<QString, double>() : std::pair<QString, double>(joined, leftTwips);
}

// The first word of every line of our layout that shows one.
std::vector<PlacedWord> ourLines(const DocumentModel &model, const DocumentLayout &layout)
{
    std::vector<PlacedWord> words;
    for (size_t i = 0; i < layout.lines().size(); ++i) {
        const VisualLine &line = layout.lines()[i];
        const ParagraphLine &paragraphLine = layout.paragraphLine(line);
        const QString text = StoryInspection::text(model.story, paragraphLine.from, paragraphLine.to);
        const QString word = text.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
        if (word.isEmpty())
            continue;
        // A right-to-left word starts at its right; LibreOffice's box starts at its left.
        const int from = paragraphLine.from + static_cast<int>(text.indexOf(word));
        const double leftTwips = layout.spanXTwips(line, from, from + static_cast<int>(word.size())).first;
        const auto [leftmost, leftmostTwips] = std::any_of(text.begin(), text.end(), rightToLeft)
                                                   ? leftmostWord(layout, line, text, paragraphLine.from)
                                                   : std::pair<QString, double>(word, leftTwips);
        const auto [joined, joinedLeftTwips] = oneLetterWordsJoined(layout, line, text, paragraphLine.from);
        words.push_back({word, line.page, (line.columnLeftTwips + leftTwips) / 20.0,
                         layout.baselineTwips(static_cast<int>(i)) / 20.0, leftmost,
                         (line.columnLeftTwips + leftmostTwips) / 20.0, joined,
                         (line.columnLeftTwips + joinedLeftTwips) / 20.0,
                         !joined.isEmpty() && leftmostTwips == joinedLeftTwips});
    }
    return words;
}

// Whether `text` is only a symbol font's characters, as a bullet is.
bool symbolOnly(const QString &text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_PrivateUse; });
}

// The word that a reader meets first on `page`: on the top line, the
// leftmost; list marks are drawn, not text, and do not count.
template <typename Word, typename Baseline, typename Left>
const Word *firstOnPage(const std::vector<Word> &words, int page, Baseline baseline, Left left)
{
    const Word *first = nullptr;
    for (const Word &word : words) {
        if (word.page != page || symbolOnly(word.text))
            continue;
        const bool higher = first && baseline(word) < baseline(*first) - 1;
        const bool sameLineFurtherLeft = first && std::abs(baseline(word) - baseline(*first)) <= 1
                                         && left(word) < left(*first);
        if (!first || higher || sameLineFurtherLeft)
            first = &word;
    }
    return first;
}

// Of the PDF's words with `ours`'s text on its page, the one nearest to it.
const PdfWord *nearestMatch(const std::vector<PdfWord> &theirs, const PlacedWord &ours)
{
    const PdfWord *match = nullptr;
    double best = 0;
    for (const PdfWord &word : theirs) {
        if (word.page != ours.page || !sameWord(ours.text, word.text))
            continue;
        const double distance =
            std::abs(word.left - ours.leftPoints) + std::abs(word.baseline() - ours.baselinePoints);
        if (!match || distance < best) {
            match = &word;
            best = distance;
        }
    }
    return match;
}

// Whether both start every page with the same word; false when a page has words in one and none in the other.
bool samePageStarts(const std::vector<PlacedWord> &ours, const std::vector<PdfWord> &theirs, int pageCount,
                    LayoutComparison &result)
{
    for (int page = 0; page < pageCount; ++page) {
        const PlacedWord *ourFirst = firstOnPage(
            ours, page, [](const PlacedWord &w) { return w.baselinePoints; },
            [](const PlacedWord &w) { return w.leftmostPoints; });
        const PdfWord *theirFirst = firstOnPage(
            theirs, page, [](const PdfWord &w) { return w.baseline(); }, [](const PdfWord &w) { return w.left; });
        if ((ourFirst == nullptr) != (theirFirst == nullptr)) {
            result.failures.push_back("page " + std::to_string(page + 1) + " has words in only one of the two");
            if (!qEnvironmentVariableIsSet("PARVOLIN_SHOW_DEVIATIONS"))
                return false;
            continue;
        }
        if (ourFirst && !sameWord(ourFirst->leftmostText, theirFirst->text)
            && !sameWord(asJoined(*ourFirst).leftmostText, theirFirst->text))
            result.failures.push_back("page " + std::to_string(page + 1) + " starts with \""
                                      + ourFirst->leftmostText.toStdString() + "\" here but with \""
                                      + theirFirst->text.toStdString() + "\" in the PDF");
    }
    return true;
}

// The PDF's words with those that touch on one line joined: pdftotext ends
// a word where the face changes, as it does inside a word whose letters
// come from two faces, and at punctuation that a right-to-left word draws
// at its left end.
std::vector<PdfWord> joinedWhereFacesChange(const std::vector<PdfWord> &words)
{
    constexpr double touchingPoints = 0.5;
    std::vector<PdfWord> joined;
    for (const PdfWord &word : words) {
        PdfWord *last = joined.empty() ? nullptr : &joined.back();
        if (last && last->page == word.page && std::abs(last->baseline() - word.baseline()) < touchingPoints
            && std::abs(word.left - last->right) < touchingPoints) {
            last->text += word.text;
            last->right = word.right;
            continue;
        }
        joined.push_back(word);
    }
    return joined;
}

std::string offsetFailure(const PlacedWord &word, const char *direction, double offsetPoints)
{
    std::ostringstream text;
    text << word.text.toStdString() << " at x " << word.leftPoints << ", baseline " << word.baselinePoints
         << " on page " << word.page + 1 << " is " << offsetPoints << " pt off " << direction;
    return text.str();
}

} // namespace

LayoutComparison compareLayouts(const DocumentModel &model, const DocumentLayout &layout,
                                const std::vector<PdfWord> &drawnWords, int pdfPageCount, double tolerancePoints)
{
    LayoutComparison result;
    if (pdfPageCount != layout.pageCount()) {
        result.failures.push_back("the PDF has " + std::to_string(pdfPageCount) + " pages, our layout "
                                  + std::to_string(layout.pageCount()));
        if (!qEnvironmentVariableIsSet("PARVOLIN_SHOW_DEVIATIONS"))
            return result;
    }
    const std::vector<PdfWord> pdfWords = joinedWhereFacesChange(drawnWords);
    const std::vector<PlacedWord> ours = ourLines(model, layout);
    result.lines = static_cast<int>(ours.size());
    if (!samePageStarts(ours, pdfWords, layout.pageCount(), result))
        return result;

    const bool show = qEnvironmentVariableIsSet("PARVOLIN_SHOW_DEVIATIONS");
    for (const PlacedWord &word : ours) {
        const PlacedWord joined = asJoined(word);
        const PdfWord *plainMatch = nearestMatch(pdfWords, word);
        const PdfWord *joinedMatch = plainMatch || joined.text.isEmpty() ? nullptr : nearestMatch(pdfWords, joined);
        const PdfWord *match = plainMatch ? plainMatch : joinedMatch;
        const PlacedWord &matched = joinedMatch ? joined : word;
        if (show) {
            std::cout << "page " << word.page + 1 << " " << word.text.toStdString() << " x " << word.leftPoints
                      << " baseline " << word.baselinePoints;
            if (match)
                std::cout << " dx " << match->left - word.leftPoints << " dy " << match->baseline() - word.baselinePoints;
            std::cout << std::endl;
        }
        if (!match) {
            result.failures.push_back("the PDF shows no \"" + word.text.toStdString() + "\" on page "
                                      + std::to_string(word.page + 1));
            return result;
        }
        const double across = match->left - matched.leftPoints;
        const double down = match->baseline() - word.baselinePoints;
        result.largestAcrossPoints = std::max(result.largestAcrossPoints, std::abs(across));
        result.largestDownPoints = std::max(result.largestDownPoints, std::abs(down));
        if (std::abs(across) > tolerancePoints)
            result.failures.push_back(offsetFailure(matched, "across", across));
        if (std::abs(down) > tolerancePoints)
            result.failures.push_back(offsetFailure(matched, "down", down));
    }
    return result;
}

void reportComparison(const QString &name, const DocumentLayout &layout, const LayoutComparison &comparison)
{
    for (const std::string &failure : comparison.failures)
        ADD_FAILURE() << failure;
    std::cout << name.toStdString() << ": " << layout.pageCount() << " pages, " << comparison.lines
              << " lines; largest offset " << comparison.largestAcrossPoints << " pt across, "
              << comparison.largestDownPoints << " pt down" << std::endl;
}

void requireLibreOffice()
{
    if (LibreOfficePdf::available())
        return;
    if (qEnvironmentVariableIsSet("CI"))
        FAIL() << "soffice is not installed, so our layout cannot be compared with LibreOffice's";
    GTEST_SKIP() << "soffice is not installed";
}
