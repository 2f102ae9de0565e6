#pragma once

#include <QList>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTimer>
#include <memory>

namespace shell {
class SpellChecker;
}

namespace entry {

// Underlines the misspelt words of a multi-line field with a red wave. Only
// verdicts already known are drawn while the user types; a line with words
// still to check is drawn again, in short slices, once they are checked.
class SpellHighlighter : public QSyntaxHighlighter {
    Q_OBJECT

public:
    SpellHighlighter(QTextDocument *document, std::shared_ptr<shell::SpellChecker> checker);

    // True while lines wait to be drawn again with new verdicts.
    bool isBusy() const { return !m_waiting.isEmpty(); }
    // True while lines are drawn again: the document then announces a change
    // of its contents, but only the marks changed, never the text.
    bool isRedrawing() const { return m_redrawing; }

protected:
    void highlightBlock(const QString &text) override;

private:
    void redrawWaitingSlice();

    std::shared_ptr<shell::SpellChecker> m_checker;
    QTextCharFormat m_misspelt;
    // Cursors follow their line through later edits, so a line waiting to be
    // drawn again is still found when the text above it changed.
    QList<QTextCursor> m_waiting;
    QTimer m_redraw;
    bool m_redrawing = false;
};

} // namespace entry
