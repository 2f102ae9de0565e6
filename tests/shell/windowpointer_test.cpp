#include "shell/windowpointer.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QApplication>
#include <gtest/gtest.h>

using Shape = shell::WindowPointer::Shape;

namespace {

struct PointerWindow {
    QWidget window;
    QPushButton *button = new QPushButton(QStringLiteral("Go"), &window);
    shell::WindowPointer pointer{&window};

    PointerWindow()
    {
        pointer.watchButton(button);
        pointer.watchBackground(&window);
        window.resize(200, 200);
        button->setGeometry(50, 50, 80, 30);
        window.show();
    }

    // Sends a pointer move over `widget` as the window system would: to the
    // innermost widget, from where an ignored move travels up to the window.
    void moveOver(QWidget *widget)
    {
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
};

} // namespace

TEST(WindowPointer, HandOverButtonsArrowOverTheBackground)
{
    PointerWindow w;
    QPixmap hand(16, 16);
    hand.fill(Qt::black);
    w.pointer.setCustomCursor(QCursor(hand, 3, 4));
    w.moveOver(w.button);
    EXPECT_EQ(w.pointer.shape(), Shape::Custom);
    EXPECT_EQ(w.window.cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.window.cursor().hotSpot(), QPoint(3, 4));
    w.moveOver(&w.window);
    EXPECT_EQ(w.pointer.shape(), Shape::Arrow);
    EXPECT_EQ(w.window.cursor().shape(), Qt::ArrowCursor);
}

TEST(WindowPointer, WithoutACustomCursorTheHandShowsAsTheArrow)
{
    PointerWindow w;
    w.moveOver(w.button);
    EXPECT_EQ(w.window.cursor().shape(), Qt::ArrowCursor);
}

TEST(WindowPointer, BusyPointerStaysWhateverTheMouseMovesOver)
{
    PointerWindow w;
    w.pointer.setBusy();
    w.moveOver(w.button);
    w.moveOver(&w.window);
    EXPECT_EQ(w.pointer.shape(), Shape::Busy);
    EXPECT_EQ(w.window.cursor().shape(), Qt::WaitCursor);
    w.pointer.setArrow();
    w.moveOver(w.button);
    EXPECT_EQ(w.pointer.shape(), Shape::Custom);
}
