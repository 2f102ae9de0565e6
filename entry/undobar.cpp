#include "undobar.h"

#include "shell/twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace entry {
namespace {

// Below the tab control, across the window, in the strip the window grows by.
constexpr int barSideTwips = 120;
constexpr int barGapTwips = 105; // as between the tab control and the window's foot

// Screen readers announce an alert when it shows; a plain frame they pass by.
QAccessibleInterface *alertInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("entry::UndoBar") && object && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::AlertMessage);
    return nullptr;
}

} // namespace

UndoBar::UndoBar(QWidget *window)
    : QFrame(window)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&alertInterface);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setObjectName(QStringLiteral("UndoBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette tooltip = palette();
    tooltip.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
    tooltip.setColor(QPalette::WindowText, palette().color(QPalette::ToolTipText));
    setPalette(tooltip);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("UndoMessage"));
    m_message->setWordWrap(true);
    m_undo = new QPushButton(QStringLiteral("Undo"), this);
    m_undo->setObjectName(QStringLiteral("UndoButton"));
    m_undo->setAutoDefault(true);
    m_undo->setToolTip(QStringLiteral("Ctrl+Z"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 2, 4, 2);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_undo);

    m_timer = new QTimer(this);
    m_timer->setSingleShot(true);
    m_timer->setInterval(shownMilliseconds);
    connect(m_timer, &QTimer::timeout, this, &UndoBar::dismiss);
    connect(m_undo, &QPushButton::clicked, this, &UndoBar::undoRequested);
    hide();
}

void UndoBar::offer(const QString &message)
{
    m_offer = message;
    m_offering = true;
    refresh();
    m_timer->start();
    // Text boxes take Ctrl+Z for themselves; while the notice shows, the
    // window's Ctrl+Z belongs to it.
    qApp->installEventFilter(this);
    announce();
}

void UndoBar::dismiss()
{
    m_timer->stop();
    qApp->removeEventFilter(this);
    const bool wasOffering = std::exchange(m_offering, false);
    refresh();
    if (wasOffering)
        Q_EMIT closed();
}

void UndoBar::warn(const QString &reason)
{
    const bool news = reason != m_warning;
    m_warning = reason;
    refresh();
    if (news && !m_offering)
        announce();
}

void UndoBar::clearWarning()
{
    m_warning.clear();
    refresh();
}

QWidget *UndoBar::undoButton() const
{
    return m_undo;
}

void UndoBar::refresh()
{
    if (m_offering)
        display(m_offer, true);
    else if (!m_warning.isEmpty())
        display(m_warning, false);
    else {
        hide();
        shrinkWindow();
    }
}

void UndoBar::display(const QString &message, bool withUndo)
{
    m_message->setText(message);
    m_undo->setVisible(withUndo);
    m_undo->setAccessibleDescription(withUndo ? message : QString());
    setAccessibleName(message);
    placeAtFoot();
    QFrame::show();
    raise();
}

void UndoBar::placeAtFoot()
{
    QWidget *window = parentWidget();
    const int designHeight = window->height() - m_grownByPx;
    const int side = shell::twipsToPixels(barSideTwips);
    const int gap = shell::twipsToPixels(barGapTwips);
    const int width = window->width() - 2 * side;
    const int height = std::max(layout()->heightForWidth(width), layout()->minimumSize().height());
    setGeometry(side, designHeight, width, height);
    m_grownByPx = height + gap;
    window->setFixedHeight(designHeight + m_grownByPx);
}

void UndoBar::shrinkWindow()
{
    QWidget *window = parentWidget();
    window->setFixedHeight(window->height() - std::exchange(m_grownByPx, 0));
}

void UndoBar::announce()
{
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

bool UndoBar::isUndoKey(QEvent *event) const
{
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    return key->key() == Qt::Key_Z && (key->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

bool UndoBar::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    if (m_offering && widget && widget->window() == window() && isUndoKey(event)) {
        // Accepting the override stops the text box from taking the key; the
        // press that follows is the undo.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            Q_EMIT undoRequested();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

} // namespace entry
