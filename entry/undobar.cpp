#include "undobar.h"

#include "shell/twips.h"
#include "shell/windowparts.h"

#include <QAccessible>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace entry {
namespace {

// At the foot of the window, over the lower edge of the tab pages only.
constexpr int barWidthTwips = 5400;
constexpr int barHeightTwips = 450;
constexpr int barGapTwips = 30;

} // namespace

UndoBar::UndoBar(QWidget *window)
    : QFrame(window)
{
    setObjectName(QStringLiteral("UndoBar"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette tooltip = palette();
    tooltip.setColor(QPalette::Window, palette().color(QPalette::ToolTipBase));
    tooltip.setColor(QPalette::WindowText, palette().color(QPalette::ToolTipText));
    setPalette(tooltip);

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("UndoMessage"));
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
    m_message->setText(message);
    m_undo->setAccessibleDescription(message);
    setAccessibleName(message);
    placeAtFoot();
    m_offering = true;
    show();
    raise();
    m_timer->start();
    // Text boxes take Ctrl+Z for themselves; while the notice shows, the
    // window's Ctrl+Z belongs to it.
    qApp->installEventFilter(this);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

void UndoBar::dismiss()
{
    m_timer->stop();
    qApp->removeEventFilter(this);
    const bool wasOffering = std::exchange(m_offering, false);
    hide();
    if (wasOffering)
        Q_EMIT closed();
}

QWidget *UndoBar::undoButton() const
{
    return m_undo;
}

void UndoBar::placeAtFoot()
{
    const QWidget *window = parentWidget();
    const int width = shell::twipsToPixels(barWidthTwips);
    const int height = shell::twipsToPixels(barHeightTwips);
    setGeometry((window->width() - width) / 2, window->height() - height - shell::twipsToPixels(barGapTwips), width,
                height);
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
