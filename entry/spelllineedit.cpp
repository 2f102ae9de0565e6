#include "spelllineedit.h"

#include "shell/spellchecker.h"
#include "shell/spellwords.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace entry {
namespace {

// A wave of half-periods `step` pixels wide between `top` and `top` + 2, from
// `left` to `right`.
void drawWave(QPainter &painter, qreal left, qreal right, qreal top)
{
    constexpr qreal step = 2.0;
    constexpr qreal depth = 2.0;
    QPainterPath path(QPointF(left, top + depth));
    bool up = true;
    for (qreal x = left; x < right; x += step, up = !up)
        path.lineTo(std::min(x + step, right), up ? top : top + depth);
    painter.drawPath(path);
}

} // namespace

SpellLineEdit::SpellLineEdit(QWidget *parent)
    : QLineEdit(parent)
{
}

void SpellLineEdit::checkSpelling(std::shared_ptr<shell::SpellChecker> checker)
{
    m_checker = std::move(checker);
    connect(m_checker.get(), &shell::SpellChecker::wordsChecked, this, [this] {
        if (m_waiting)
            update();
    });
    connect(m_checker.get(), &shell::SpellChecker::dictionaryChanged, this, [this] { update(); });
}

void SpellLineEdit::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    if (m_checker && echoMode() == Normal)
        paintMisspeltWords();
}

void SpellLineEdit::paintMisspeltWords()
{
    // The box keeps its caret in view, so the caret is the one place whose
    // drawn position is known; the words in view lie within a box's width of
    // it in characters (no character is narrower than a pixel), and their
    // places follow from the widths of the text between.
    const QString all = text();
    const int caret = cursorPosition();
    const int reach = width();
    const int from = std::max(0, caret - reach);
    const QString near = all.mid(from, std::min<int>(static_cast<int>(all.size()), caret + reach) - from);
    const int caretInNear = caret - from;

    const QFontMetricsF metrics(font());
    const auto advance = [&](int a, int b) { return metrics.horizontalAdvance(near.mid(a, b - a)); };
    // Qt's caret rectangle starts five pixels left of the caret.
    const qreal caretX = cursorRect().x() + 5;
    const qreal waveTop = cursorRect().y() + metrics.ascent() + 1;

    m_waiting = false;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::red, 1));
    painter.setClipRect(rect().adjusted(1, 1, -1, -1));
    // Widths are measured piece by piece from the left, so each character of
    // the stretch is measured once.
    qreal x = caretX - advance(0, caretInNear);
    int measured = 0;
    for (const shell::WordSpan &word : shell::checkableWords(near)) {
        x += advance(measured, word.start);
        const qreal left = x;
        x += advance(word.start, word.end());
        measured = word.end();
        if (left > width())
            break;
        if (x < 0)
            continue;
        // The words in view are few, so they are checked at once.
        const auto verdict = m_checker->verdictNow(near.mid(word.start, word.length));
        m_waiting = m_waiting || verdict == shell::SpellChecker::Verdict::NotYetKnown;
        if (verdict == shell::SpellChecker::Verdict::Misspelt)
            drawWave(painter, left, x, waveTop);
    }
}

} // namespace entry
