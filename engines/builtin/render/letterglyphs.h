#pragma once

#include <QGlyphRun>
#include <QList>

class QTextLayout;
class QTextLine;

namespace engine {

// The glyph runs of `line` (of `layout`) with every glyph the font joins from
// several letters, a ligature such as "ti" or "ffi", replaced by the letters'
// own glyphs, sharing the joined glyph's width by their own advances. A PDF maps each
// glyph back to a single letter, so a joined glyph would reach its readers as a
// gap in the word; apart, the letters keep their text and the line its length
// and breaks. Joins the font cannot undo letter by letter stay as they are.
QList<QGlyphRun> glyphRunsWithLettersApart(const QTextLayout &layout, const QTextLine &line);

} // namespace engine
