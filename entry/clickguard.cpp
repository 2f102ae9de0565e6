#include "clickguard.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace entry {
namespace {

bool startsAClick(const QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return true;
    case QEvent::KeyPress: {
        const int key = static_cast<const QKeyEvent *>(event)->key();
        return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Select;
    }
    default:
        return false;
    }
}

} // namespace

ClickGuard::ClickGuard(QAbstractButton *button, std::function<bool()> ignoring)
    : QObject(button), m_ignoring(std::move(ignoring))
{
    button->installEventFilter(this);
}

bool ClickGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (startsAClick(event) && m_ignoring())
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace entry
