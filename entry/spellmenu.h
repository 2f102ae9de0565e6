#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QContextMenuEvent;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QWidget;

namespace shell {
class SpellChecker;
}

namespace entry {

// The context menu of a field's text box, led by the spelling entries when
// the word under the pointer (or at the caret, for the menu key) is
// misspelt: up to five corrections, then "Add to Dictionary", then the box's
// usual entries. A correction is typed into the box like any edit, so it is
// stored and can be undone.
class SpellMenu : public QObject {
    Q_OBJECT

public:
    // `procedure` names the field's handler in a failure report.
    SpellMenu(QLineEdit *box, std::shared_ptr<shell::SpellChecker> checker, const QString &procedure);
    SpellMenu(QPlainTextEdit *box, std::shared_ptr<shell::SpellChecker> checker, const QString &procedure);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Where a word stands in the box: its text, and the box position of that
    // text's first character.
    struct Place {
        QString text;
        int offset = 0;
        int position = 0;
    };

    SpellMenu(QWidget *box, std::shared_ptr<shell::SpellChecker> checker, const QString &procedure);
    void showMenu(const QContextMenuEvent &event);
    Place placeOf(const QContextMenuEvent &event) const;
    QMenu *standardMenu(const QContextMenuEvent &event) const;
    void addSpellingEntries(QMenu &menu, const Place &place);
    void replace(int start, int length, const QString &with);

    QLineEdit *m_line = nullptr;
    QPlainTextEdit *m_lines = nullptr;
    std::shared_ptr<shell::SpellChecker> m_checker;
    QString m_procedure;
};

} // namespace entry
