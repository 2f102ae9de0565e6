#pragma once

#include <QFrame>

class QLabel;
class QPushButton;
class QTimer;

namespace entry {

// A small notice at the foot of a window after a command replaced the whole
// resume: what happened, and an "Undo" button (Ctrl+Z does the same). It goes
// away by itself after a while, or when told to. The same bar also warns, for
// as long as it is told, that changes are not being kept. The window grows
// by the notice's height while it shows, so it never covers a field or label,
// and its text wraps to fit. Screen readers hear it as an alert.
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
    // Shows `reason` (with no Undo) until clearWarning; an offer shows first.
    void warn(const QString &reason);
    void clearWarning();
    QString warning() const { return m_warning; }

signals:
    void undoRequested();
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Shows the offer, else the warning, else nothing, and sizes the window.
    void refresh();
    void display(const QString &message, bool withUndo);
    void placeAtFoot();
    void shrinkWindow();
    void announce();
    bool isUndoKey(QEvent *event) const;

    QLabel *m_message = nullptr;
    QPushButton *m_undo = nullptr;
    QTimer *m_timer = nullptr;
    bool m_offering = false;
    QString m_offer;
    QString m_warning;
    // How far the window has grown to hold the notice, in pixels.
    int m_grownByPx = 0;
};

} // namespace entry
