#pragma once

#include "storyposition.h"
#include "automation/word/selection.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;
class StoryMap;

// Word's selection over a Writer document. Positions are the engine's own
// story positions (see StoryPosition); moves by line and by page ask
// Writer's layout through the window's view cursor.
class OfficeSelection : public word::Selection {
public:
    explicit OfficeSelection(std::shared_ptr<DocumentState> state);

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
    long moveSideways(long unit, long count, long extend, bool forward);
    long moveByLines(long unit, long count, long extend, bool down);
    long moveToEdge(long unit, long extend, bool toEnd);
    void moveActive(StoryPosition to, long extend);
    void insertText(const QString &text);

    std::shared_ptr<DocumentState> m_state;
};

} // namespace engines::libreoffice
