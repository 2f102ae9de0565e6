// The wheel and the keyboard in the preview window: scrolling through the
// scroll bars, zooming along the buttons' steps, and choosing pages as the
// page list does.
#include "form2.h"

#include "shell/steps.h"

#include <QKeyEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTreeWidget>
#include <QWheelEvent>
#include <algorithm>

namespace preview {
namespace {

bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_Hyper_L:
    case Qt::Key_Hyper_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

} // namespace

void Form2::buildShortcuts()
{
    const auto onKeys = [this](std::initializer_list<QKeySequence> keys, auto action) {
        for (const QKeySequence &key : keys)
            connect(new QShortcut(key, this), &QShortcut::activated, this, action);
    };
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)},
           [this] { PushButton1_Click(); });
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_Minus)}, [this] { PushButton2_Click(); });
    onKeys({QKeySequence(Qt::CTRL | Qt::Key_0)}, [this] {
        shell::Steps(QStringLiteral("Form2.ZoomReset")).run(0, [this] { SetZoom(1.0f); });
    });
    onKeys({QKeySequence(Qt::Key_PageDown)}, [this] { choosePageBy(1); });
    onKeys({QKeySequence(Qt::Key_PageUp)}, [this] { choosePageBy(-1); });
    onKeys({QKeySequence(Qt::Key_Home)}, [this] { choosePageAt(0); });
    onKeys({QKeySequence(Qt::Key_End)}, [this] { choosePageAt(ListView1->topLevelItemCount() - 1); });
    // The keyboard's way to the page's menu, wherever the focus is.
    onKeys({QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}, [this] { openPageMenuFromKeyboard(); });
}

void Form2::choosePageBy(int offset)
{
    QTreeWidgetItem *item = ListView1->currentItem();
    const int current = item ? ListView1->indexOfTopLevelItem(item) : -1;
    choosePageAt(current < 0 ? 0 : current + offset);
}

void Form2::choosePageAt(int index)
{
    const int last = ListView1->topLevelItemCount() - 1;
    if (last < 0)
        return;
    index = std::clamp(index, 0, last);
    QTreeWidgetItem *item = ListView1->topLevelItem(index);
    // Asking for the page already shown, at the ends of the list, keeps the
    // view: only a different page is a new choice.
    if (item == ListView1->currentItem())
        return;
    ListView1->setCurrentItem(item);
    ListView1_Click();
}

void Form2::scrollByTwips(Qt::Orientation orientation, double twips)
{
    QScrollBar *bar = orientation == Qt::Vertical ? VScroll1 : HScroll1;
    if (!bar->isEnabled())
        return;
    const int steps = barStepsForMove(orientation, twips);
    bar->setValue(std::clamp(bar->value() + steps, bar->minimum(), bar->maximum()));
}

void Form2::wheelEvent(QWheelEvent *event)
{
    if (event->modifiers() & Qt::ControlModifier) {
        zoomByWheel(event->angleDelta().y());
        event->accept();
        return;
    }
    QPoint angle = event->angleDelta();
    QPoint pixels = event->pixelDelta();
    // Shift turns a plain wheel sideways.
    if ((event->modifiers() & Qt::ShiftModifier) && angle.x() == 0 && pixels.x() == 0) {
        angle = QPoint(angle.y(), 0);
        pixels = QPoint(pixels.y(), 0);
    }
    scrollByTwips(Qt::Horizontal, wheelMoveTwips(angle.x(), pixels.x()));
    scrollByTwips(Qt::Vertical, wheelMoveTwips(angle.y(), pixels.y()));
    event->accept();
}

void Form2::zoomByWheel(int angleDelta)
{
    for (int steps = zoomStepsForWheel(angleDelta); steps != 0; steps += steps > 0 ? -1 : 1) {
        if (steps > 0)
            PushButton1_Click();
        else
            PushButton2_Click();
    }
}

void Form2::keyPressEvent(QKeyEvent *event)
{
    // Arrow keys that no focused control used for itself move the page.
    const double line = lineTwips();
    switch (event->key()) {
    case Qt::Key_Up:
        scrollByTwips(Qt::Vertical, -line);
        break;
    case Qt::Key_Down:
        scrollByTwips(Qt::Vertical, line);
        break;
    case Qt::Key_Left:
        scrollByTwips(Qt::Horizontal, -line);
        break;
    case Qt::Key_Right:
        scrollByTwips(Qt::Horizontal, line);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

bool Form2::isPageChoiceKeyRelease(QEvent *event)
{
    // A key pressed in the list and let go elsewhere (Tab moves the focus on
    // the press) must not count the next time the focus arrives with it.
    if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)
        m_keysPressedInList.clear();
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (event->type() == QEvent::KeyPress) {
        m_keysPressedInList.insert(key->key());
        return false;
    }
    // A modifier let go on its own (after Ctrl+wheel, say) chooses nothing, and
    // neither does the release of a key whose press a shortcut took: the list
    // never saw that press.
    return !isModifierKey(key->key()) && m_keysPressedInList.remove(key->key());
}

} // namespace preview
