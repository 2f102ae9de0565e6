#include "spellmenu.h"

#include "shell/spellchecker.h"
#include "shell/spellwords.h"
#include "shell/steps.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>

#include <memory>

namespace entry {

SpellMenu::SpellMenu(QWidget *box, std::shared_ptr<shell::SpellChecker> checker, const QString &procedure)
    : QObject(box), m_checker(std::move(checker)), m_procedure(procedure)
{
    box->installEventFilter(this);
}

SpellMenu::SpellMenu(QLineEdit *box, std::shared_ptr<shell::SpellChecker> checker, const QString &procedure)
    : SpellMenu(static_cast<QWidget *>(box), std::move(checker), procedure)
{
    m_line = box;
}

SpellMenu::SpellMenu(QPlainTextEdit *box, std::shared_ptr<shell::SpellChecker> checker, const QString &procedure)
    : SpellMenu(static_cast<QWidget *>(box), std::move(checker), procedure)
{
    m_lines = box;
    // A pointer's menu comes to the text area, the menu key's to the box.
    box->viewport()->installEventFilter(this);
}

bool SpellMenu::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    showMenu(*static_cast<QContextMenuEvent *>(event));
    return true;
}

void SpellMenu::showMenu(const QContextMenuEvent &event)
{
    const std::unique_ptr<QMenu> menu(standardMenu(event));
    addSpellingEntries(*menu, placeOf(event));
    menu->exec(event.globalPos());
}

SpellMenu::Place SpellMenu::placeOf(const QContextMenuEvent &event) const
{
    const bool atPointer = event.reason() == QContextMenuEvent::Mouse;
    if (m_line)
        return {m_line->text(), 0, atPointer ? m_line->cursorPositionAt(event.pos()) : m_line->cursorPosition()};
    const QTextCursor cursor = atPointer ? m_lines->cursorForPosition(event.pos()) : m_lines->textCursor();
    const QTextBlock block = cursor.block();
    return {block.text(), block.position(), cursor.positionInBlock()};
}

QMenu *SpellMenu::standardMenu(const QContextMenuEvent &event) const
{
    if (m_line)
        return m_line->createStandardContextMenu();
    return m_lines->createStandardContextMenu(event.pos());
}

void SpellMenu::addSpellingEntries(QMenu &menu, const Place &place)
{
    const std::optional<shell::WordSpan> span = shell::checkableWordAt(place.text, place.position);
    if (!span)
        return;
    const QString word = place.text.mid(span->start, span->length);
    if (!m_checker->isMisspelt(word))
        return;
    QAction *usual = menu.actions().value(0);
    const int start = place.offset + span->start;
    for (const QString &suggestion : m_checker->suggestions(word)) {
        QAction *action = new QAction(suggestion, &menu);
        connect(action, &QAction::triggered, this,
                [this, start, length = span->length, suggestion] { replace(start, length, suggestion); });
        menu.insertAction(usual, action);
    }
    QAction *add = new QAction(QStringLiteral("Add to Dictionary"), &menu);
    connect(add, &QAction::triggered, this, [this, word] {
        shell::Steps(m_procedure).run(0, [&] { m_checker->addToDictionary(word); });
    });
    menu.insertAction(usual, add);
    menu.insertSeparator(usual);
}

void SpellMenu::replace(int start, int length, const QString &with)
{
    if (m_line) {
        // Inserting over a selection is one step of the box's own undo.
        m_line->setSelection(start, length);
        m_line->insert(with);
        return;
    }
    QTextCursor cursor(m_lines->document());
    cursor.setPosition(start);
    cursor.setPosition(start + length, QTextCursor::KeepAnchor);
    cursor.insertText(with);
    m_lines->setTextCursor(cursor);
}

} // namespace entry
