#pragma once

#include <QLineEdit>
#include <memory>

namespace shell {
class SpellChecker;
}

namespace entry {

// A single-line text box that draws a red wave under its misspelt words. The
// wave is painted over the box as Qt draws it, so the box's text, size,
// selection and signals are exactly those of a plain QLineEdit. Only the
// words in view are looked at, however long the text, and the box is drawn
// again only when a verdict it waited for comes (drawing a long text is slow).
class SpellLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SpellLineEdit(QWidget *parent);

    // Checks the spelling with `checker` from now on.
    void checkSpelling(std::shared_ptr<shell::SpellChecker> checker);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintMisspeltWords();

    std::shared_ptr<shell::SpellChecker> m_checker;
    // Set when a word in view was drawn before its verdict was known.
    bool m_waiting = false;
};

} // namespace entry
