#include "fieldbox.h"

#include "spellhighlighter.h"
#include "spelllineedit.h"
#include "spellmenu.h"

#include "shell/spellchecker.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include <limits>

namespace entry {
namespace {

// Stored text separates lines with CR LF; the multi-line widget with LF.
QString toWidgetLines(const QString &text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

QString toStoredLines(const QString &text)
{
    QString lines = text;
    lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return lines;
}

// Focus that moves between the window's own controls selects the whole text;
// focus that only comes back (the window reactivated, a popup or menu closed)
// leaves the caret and selection where the user left them.
bool selectsOnFocus(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
        return false;
    default:
        return true;
    }
}

} // namespace

FieldBox::FieldBox(const QString &name, bool multiLine, QWidget *parent)
    : QObject(parent), m_name(name)
{
    if (multiLine) {
        m_lines = new QPlainTextEdit(parent);
        m_lines->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        m_lines->setTabChangesFocus(true);
        connect(m_lines, &QPlainTextEdit::textChanged, this, &FieldBox::onWidgetTextChanged);
    } else {
        m_line = new SpellLineEdit(parent);
        // The record sets no limit on any field; Qt's line edit would stop
        // at 32,767 characters and cut a longer stored value.
        m_line->setMaxLength(std::numeric_limits<int>::max());
        connect(m_line, &QLineEdit::textChanged, this, &FieldBox::onWidgetTextChanged);
    }
    widget()->setObjectName(name);
    widget()->installEventFilter(this);
}

QWidget *FieldBox::widget() const
{
    return m_line ? static_cast<QWidget *>(m_line) : static_cast<QWidget *>(m_lines);
}

QString FieldBox::text() const
{
    return m_text;
}

void FieldBox::setText(const QString &text)
{
    if (m_line) {
        m_line->setText(text);
        // Show the start of a long text, as a freshly filled box does.
        m_line->setCursorPosition(0);
    } else if (toWidgetLines(text) != toWidgetLines(widgetText()))
        m_lines->setPlainText(toWidgetLines(text));
    // A multi-line box shows a lone CR as a line break; what it holds is then
    // the CR LF form, which the change above has announced.
}

void FieldBox::checkSpelling(std::shared_ptr<shell::SpellChecker> checker)
{
    m_speller = checker;
    const QString procedure = QStringLiteral("Form1.%1_ContextMenu").arg(m_name);
    if (m_line) {
        m_line->checkSpelling(checker);
        new SpellMenu(m_line, std::move(checker), procedure);
        return;
    }
    m_highlighter = new SpellHighlighter(m_lines->document(), checker);
    new SpellMenu(m_lines, std::move(checker), procedure);
}

bool FieldBox::isCheckingSpelling() const
{
    return m_speller && (m_speller->isBusy() || (m_highlighter && m_highlighter->isBusy()));
}

bool FieldBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget() && event->type() == QEvent::FocusIn
        && selectsOnFocus(static_cast<QFocusEvent *>(event)->reason()))
        selectAll();
    return QObject::eventFilter(watched, event);
}

void FieldBox::onWidgetTextChanged()
{
    // Reading a long text back costs as much as the text is long; drawing
    // spelling marks again, line by line, changes none of it.
    if (m_highlighter && m_highlighter->isRedrawing())
        return;
    const QString current = widgetText();
    if (current == m_text)
        return;
    m_text = current;
    Q_EMIT changed(m_text);
}

QString FieldBox::widgetText() const
{
    if (m_line)
        return m_line->text();
    // The raw text keeps what the user typed (plain-text export would turn
    // no-break spaces into spaces); only its paragraph separators need mapping.
    QString raw = m_lines->document()->toRawText();
    raw.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return toStoredLines(raw);
}

void FieldBox::selectAll()
{
    if (m_line) {
        m_line->selectAll();
        return;
    }
    QTextCursor cursor = m_lines->textCursor();
    cursor.select(QTextCursor::Document);
    m_lines->setTextCursor(cursor);
}

} // namespace entry
