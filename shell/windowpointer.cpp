#include "windowpointer.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>

namespace shell {
namespace {

const char *const roleProperty = "parvolinPointerRole";
enum Role { ButtonRole = 1, BackgroundRole = 2 };

// A move that a child ignored reaches its parents too; what counts is the
// innermost watched widget under the pointer.
int roleUnderPointer(QWidget *watched, const QPoint &position)
{
    for (QWidget *widget = watched->childAt(position); widget && widget != watched;
         widget = widget->parentWidget()) {
        if (const int role = widget->property(roleProperty).toInt())
            return role;
    }
    return watched->property(roleProperty).toInt();
}

} // namespace

WindowPointer::WindowPointer(QWidget *window)
    : QObject(window), m_window(window)
{
}

void WindowPointer::setCustomCursor(const QCursor &cursor)
{
    m_custom = cursor;
}

void WindowPointer::setBusy()
{
    apply(Shape::Busy);
}

void WindowPointer::setArrow()
{
    apply(Shape::Arrow);
}

void WindowPointer::overButton()
{
    if (m_shape != Shape::Busy)
        apply(Shape::Custom);
}

void WindowPointer::overBackground()
{
    if (m_shape != Shape::Busy)
        apply(Shape::Arrow);
}

void WindowPointer::watchButton(QWidget *widget)
{
    widget->setProperty(roleProperty, ButtonRole);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

void WindowPointer::watchBackground(QWidget *widget)
{
    widget->setProperty(roleProperty, BackgroundRole);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool WindowPointer::eventFilter(QObject *watched, QEvent *event)
{
    int role = 0;
    if (event->type() == QEvent::Enter)
        role = watched->property(roleProperty).toInt();
    else if (event->type() == QEvent::MouseMove)
        role = roleUnderPointer(static_cast<QWidget *>(watched),
                                static_cast<QMouseEvent *>(event)->position().toPoint());
    if (role == ButtonRole)
        overButton();
    else if (role == BackgroundRole)
        overBackground();
    return QObject::eventFilter(watched, event);
}

void WindowPointer::apply(Shape shape)
{
    m_shape = shape;
    if (!m_window)
        return;
    switch (shape) {
    case Shape::Busy:
        m_window->setCursor(Qt::WaitCursor);
        break;
    case Shape::Custom:
        if (m_custom)
            m_window->setCursor(*m_custom);
        else
            m_window->setCursor(Qt::ArrowCursor);
        break;
    case Shape::Arrow:
        m_window->setCursor(Qt::ArrowCursor);
        break;
    }
}

} // namespace shell
