#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QPlainTextEdit;
class QWidget;

namespace shell {
class SpellChecker;
}

namespace entry {

class SpellHighlighter;
class SpellLineEdit;

// The text box of one resume field, single- or multi-line. Its text uses CR LF
// between lines whatever the widget holds inside, and it announces every real
// change of its text, whoever made it; setting the text it already holds is no
// change. When the focus moves to it from another control its whole text is
// selected; when its window is only reactivated, nothing changes.
class FieldBox : public QObject {
    Q_OBJECT

public:
    FieldBox(const QString &name, bool multiLine, QWidget *parent);

    QString name() const { return m_name; }
    QWidget *widget() const;
    QString text() const;
    void setText(const QString &text);
    // Underlines misspelt words and offers corrections in the context menu,
    // checked with `checker` (shared by the window's fields).
    void checkSpelling(std::shared_ptr<shell::SpellChecker> checker);
    // True while words wait to be checked or their marks to be drawn.
    bool isCheckingSpelling() const;

signals:
    void changed(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onWidgetTextChanged();
    QString widgetText() const;
    void selectAll();

    QString m_name;
    SpellLineEdit *m_line = nullptr;
    QPlainTextEdit *m_lines = nullptr;
    QString m_text;
    std::shared_ptr<shell::SpellChecker> m_speller;
    SpellHighlighter *m_highlighter = nullptr;
};

} // namespace entry
