#include "spellhighlighter.h"

#include "shell/spellchecker.h"
#include "shell/spellwords.h"

#include <QElapsedTimer>
#include <QTextDocument>

namespace entry {
namespace {

constexpr qint64 sliceBudgetNs = 3'000'000;
// A line this short is checked as it is drawn; a longer one (a pasted page
// without line breaks) is checked while idle.
constexpr int checkAtOnceChars = 2000;

} // namespace

SpellHighlighter::SpellHighlighter(QTextDocument *document, std::shared_ptr<shell::SpellChecker> checker)
    : QSyntaxHighlighter(document), m_checker(std::move(checker))
{
    m_misspelt.setUnderlineStyle(QTextCharFormat::WaveUnderline);
    m_misspelt.setUnderlineColor(Qt::red);
    connect(&m_redraw, &QTimer::timeout, this, &SpellHighlighter::redrawWaitingSlice);
    connect(m_checker.get(), &shell::SpellChecker::wordsChecked, this, [this] { m_redraw.start(0); });
    connect(m_checker.get(), &shell::SpellChecker::dictionaryChanged, this, [this] {
        // A word added to the dictionary may stand on any line.
        for (QTextBlock block = this->document()->begin(); block.isValid(); block = block.next())
            m_waiting.append(QTextCursor(block));
        m_redraw.start(0);
    });
}

void SpellHighlighter::highlightBlock(const QString &text)
{
    bool waits = false;
    const bool atOnce = text.size() <= checkAtOnceChars;
    for (const shell::WordSpan &word : shell::checkableWords(text)) {
        const QString spelling = text.mid(word.start, word.length);
        switch (atOnce ? m_checker->verdictNow(spelling) : m_checker->verdict(spelling)) {
        case shell::SpellChecker::Verdict::Misspelt:
            setFormat(word.start, word.length, m_misspelt);
            break;
        case shell::SpellChecker::Verdict::NotYetKnown:
            waits = true;
            break;
        case shell::SpellChecker::Verdict::Correct:
            break;
        }
    }
    if (waits && (m_waiting.isEmpty() || m_waiting.last().block() != currentBlock()))
        m_waiting.append(QTextCursor(currentBlock()));
}

void SpellHighlighter::redrawWaitingSlice()
{
    // Lines are drawn again only once every word asked about is known, so a
    // line is not drawn over and over while its words come in.
    if (m_checker->isBusy()) {
        m_redraw.stop();
        return;
    }
    // A line drawn again may still have a word to check (typed meanwhile); it
    // then waits anew, for the next round, rather than within this slice.
    QList<QTextCursor> batch;
    batch.swap(m_waiting);
    QElapsedTimer timer;
    timer.start();
    qsizetype done = 0;
    m_redrawing = true;
    while (done < batch.size() && timer.nsecsElapsed() < sliceBudgetNs)
        rehighlightBlock(batch[done++].block());
    m_redrawing = false;
    m_waiting = batch.mid(done) + m_waiting;
    if (m_waiting.isEmpty() || m_checker->isBusy())
        m_redraw.stop();
}

} // namespace entry
