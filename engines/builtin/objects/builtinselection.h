#pragma once

#include "automation/word/selection.h"

#include <memory>

namespace engine {

class DocumentState;
class LineMoves;

// The selection of a document's window.
class BuiltInSelection : public word::Selection {
public:
    explicit BuiltInSelection(std::shared_ptr<DocumentState> state);

    long moveRight(long unit, long count, long extend = 0) override;
    long moveLeft(long unit, long count, long extend = 0) override;
    long moveUp(long unit, long count, long extend = 0) override;
    long moveDown(long unit, long count, long extend = 0) override;
    long homeKey(long unit, long extend = 0) override;
    long endKey(long unit, long extend = 0) override;
    void goTo(long what, long which, long count) override;
    long deleteText(long unit, long count) override;

    void typeText(const QString &text) override;
    void insertSymbol(long characterNumber, bool unicode, long bias) override;

    std::shared_ptr<word::Font> font() override;
    std::shared_ptr<word::ParagraphFormat> paragraphFormat() override;
    std::shared_ptr<word::Cells> cells() override;
    std::shared_ptr<word::Range> range() override;

private:
    long moveHorizontally(long unit, long count, long extend);
    long moveVertically(long unit, long count, long extend);
    // The moves by visual line over the document as it is laid out now.
    LineMoves lineMoves();
    long moveToEdge(long unit, long extend, bool toEnd);

    std::shared_ptr<DocumentState> m_state;
};

} // namespace engine
