#pragma once

#include <QCursor>
#include <QObject>
#include <QPointer>
#include <optional>

class QWidget;

namespace shell {

// The pointer a window shows: the standard arrow, the busy pointer, or the
// window's custom pointer (the hand over push buttons). While the busy pointer
// shows, moving the mouse leaves it alone.
class WindowPointer : public QObject {
    Q_OBJECT

public:
    enum class Shape { Arrow, Busy, Custom };

    explicit WindowPointer(QWidget *window);

    // The cursor the custom pointer shows; without one it shows the arrow.
    void setCustomCursor(const QCursor &cursor);
    bool hasCustomCursor() const { return m_custom.has_value(); }

    void setBusy();
    void setArrow();
    // The mouse moved over a push button: the custom pointer, unless busy.
    void overButton();
    // The mouse moved over the background or a frame: the arrow, unless busy.
    void overBackground();

    // Mouse moves over `widget` (and entering it) count as over a button.
    void watchButton(QWidget *widget);
    // Mouse moves over `widget` count as over the background.
    void watchBackground(QWidget *widget);

    Shape shape() const { return m_shape; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void apply(Shape shape);

    QPointer<QWidget> m_window;
    std::optional<QCursor> m_custom;
    Shape m_shape = Shape::Arrow;
};

} // namespace shell
