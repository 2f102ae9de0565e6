#pragma once

#include <QString>
#include <memory>

namespace word {

class Cells;
class Font;
class Range;

class ParagraphFormat {
public:
    virtual ~ParagraphFormat() = default;
    // A WdParagraphAlignment, for the selected paragraphs and those typed after.
    virtual void setAlignment(long alignment) = 0;
    virtual long alignment() const = 0;
};

// The insertion point or selected stretch of a document window. Moves return
// how far they went in the given unit, as Word does.
class Selection {
public:
    virtual ~Selection() = default;

    virtual long moveRight(long unit, long count, long extend = 0) = 0;
    virtual long moveLeft(long unit, long count, long extend = 0) = 0;
    virtual long moveUp(long unit, long count, long extend = 0) = 0;
    virtual long moveDown(long unit, long count, long extend = 0) = 0;
    virtual long homeKey(long unit, long extend = 0) = 0;
    virtual long endKey(long unit, long extend = 0) = 0;
    virtual void goTo(long what, long which, long count) = 0;
    virtual long deleteText(long unit, long count) = 0;

    // A CR LF pair (or a lone CR or LF) starts a new paragraph.
    virtual void typeText(const QString &text) = 0;
    virtual void insertSymbol(long characterNumber, bool unicode, long bias) = 0;

    virtual std::shared_ptr<Font> font() = 0;
    virtual std::shared_ptr<ParagraphFormat> paragraphFormat() = 0;
    virtual std::shared_ptr<Cells> cells() = 0;
    virtual std::shared_ptr<Range> range() = 0;
};

} // namespace word
