#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QTimer;

namespace entry {

// A small notice at the foot of a window after a command replaced the whole
// resume: what happened, and an "Undo" button (Ctrl+Z does the same). It goes
// away by itself after a while, or when told to.
class UndoBar : public QFrame {
    Q_OBJECT

public:
    static constexpr int shownMilliseconds = 10000;

    explicit UndoBar(QWidget *window);

    // Shows `message` and starts the time it stays.
    void offer(const QString &message);
    // Takes the notice away; `closed` follows when it was showing.
    void dismiss();
    bool isOffering() const { return m_offering; }
    QWidget *undoButton() const;

signals:
    void undoRequested();
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void placeAtFoot();
    bool isUndoKey(QEvent *event) const;

    QLabel *m_message = nullptr;
    QPushButton *m_undo = nullptr;
    QTimer *m_timer = nullptr;
    bool m_offering = false;
};

} // namespace entry
