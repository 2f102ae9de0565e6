#include "letterglyphs.h"

#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace engine {
namespace {

// A glyph drawn for several letters, and what stands in for it.
struct JoinedGlyph {
    quint32 glyph = 0;
    QPointF position;
    QList<quint32> letterGlyphs;
    QList<QPointF> letterPositions;
};

bool sameGlyphs(const QList<QGlyphRun> &a, const QList<QGlyphRun> &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a.at(i).glyphIndexes() != b.at(i).glyphIndexes() || a.at(i).positions() != b.at(i).positions())
            return false;
    }
    return true;
}

bool samePlace(const QPointF &a, const QPointF &b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

// The letters `from` to `to` (exclusive) drawn by the one glyph of `runs`, with
// their own glyphs and places; nothing when the font has no glyph of its own
// for each of them (a surrogate pair, a letter from another font).
std::optional<JoinedGlyph> joinedGlyph(const QTextLayout &layout, const QTextLine &line, const QList<QGlyphRun> &runs,
                                       int from, int to)
{
    if (to - from < 2 || runs.size() != 1 || runs.front().glyphIndexes().size() != 1)
        return std::nullopt;
    const QGlyphRun &run = runs.front();
    const QList<quint32> letters = run.rawFont().glyphIndexesForString(layout.text().mid(from, to - from));
    if (letters.size() != to - from || letters.contains(0))
        return std::nullopt;
    JoinedGlyph joined{run.glyphIndexes().front(), run.positions().front(), letters, {}};
    // The joined glyph's width is shared in proportion to the letters' own
    // advances, so that "t" and "i" look as they would unjoined.
    const QList<QPointF> advances = run.rawFont().advancesForGlyphIndexes(letters);
    double natural = 0;
    for (const QPointF &advance : advances)
        natural += advance.x();
    const double start = line.cursorToX(from);
    const double scale = natural > 0 ? (line.cursorToX(to) - start) / natural : 0;
    double x = start;
    for (const QPointF &advance : advances) {
        joined.letterPositions.append(QPointF(x, joined.position.y()));
        x += advance.x() * scale;
    }
    return joined;
}

// The joined glyphs of `line`, found as stretches of letters that ask for the
// same glyphs.
std::vector<JoinedGlyph> joinedGlyphs(const QTextLayout &layout, const QTextLine &line)
{
    std::vector<JoinedGlyph> found;
    const int end = line.textStart() + line.textLength();
    int letter = line.textStart();
    QList<QGlyphRun> runs = line.glyphRuns(letter, 1);
    while (letter < end) {
        // Each letter's glyphs are asked for once: the first that differs
        // starts the next stretch.
        int next = letter + 1;
        QList<QGlyphRun> nextRuns;
        while (next < end && sameGlyphs(nextRuns = line.glyphRuns(next, 1), runs))
            ++next;
        if (auto joined = joinedGlyph(layout, line, runs, letter, next))
            found.push_back(std::move(*joined));
        letter = next;
        runs = std::move(nextRuns);
    }
    return found;
}

QGlyphRun withLettersApart(const QGlyphRun &run, const std::vector<JoinedGlyph> &joined)
{
    QList<quint32> glyphs;
    QList<QPointF> positions;
    const QList<quint32> oldGlyphs = run.glyphIndexes();
    const QList<QPointF> oldPositions = run.positions();
    for (qsizetype i = 0; i < oldGlyphs.size() && i < oldPositions.size(); ++i) {
        const auto match = std::find_if(joined.begin(), joined.end(), [&](const JoinedGlyph &candidate) {
            return candidate.glyph == oldGlyphs.at(i) && samePlace(candidate.position, oldPositions.at(i));
        });
        if (match == joined.end()) {
            glyphs.append(oldGlyphs.at(i));
            positions.append(oldPositions.at(i));
        } else {
            glyphs.append(match->letterGlyphs);
            positions.append(match->letterPositions);
        }
    }
    QGlyphRun apart(run);
    apart.setGlyphIndexes(glyphs);
    apart.setPositions(positions);
    return apart;
}

} // namespace

QList<QGlyphRun> glyphRunsWithLettersApart(const QTextLayout &layout, const QTextLine &line)
{
    QList<QGlyphRun> runs = line.glyphRuns();
    const std::vector<JoinedGlyph> joined = joinedGlyphs(layout, line);
    if (joined.empty())
        return runs;
    for (QGlyphRun &run : runs)
        run = withLettersApart(run, joined);
    return runs;
}

} // namespace engine
