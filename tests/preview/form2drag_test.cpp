#include "form2fixture.h"
#include "support/widgets.h"

#include "shell/twips.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

namespace {

// Sends the page a mouse event at `twips` on the page.
void mouseOnPage(preview::Form2 &form, QEvent::Type type, QPointF twips, Qt::MouseButton button,
                 Qt::MouseButtons buttons)
{
    auto *page = testsupport::child<preview::PictureBox>(form, "Picture1");
    const QPointF at = twips / shell::twipsPerPixel;
    QMouseEvent event(type, at, page->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(page, &event);
}

// Drags the page as a person does: the pointer goes down at `from` and moves
// along `path`, in twips on the viewport's interior; the page hears the
// positions relative to itself, as it moves under the pointer. With
// `release` the button comes up at the end.
void drag(preview::Form2 &form, QPoint from, const std::vector<QPoint> &path, bool release = true)
{
    auto onPage = [&form](QPoint viewport) {
        return QPointF(viewport.x() - testsupport::child<preview::PictureBox>(form, "Picture1")->leftTwips(), viewport.y() - testsupport::child<preview::PictureBox>(form, "Picture1")->topTwips());
    };
    QPointF at = onPage(from);
    mouseOnPage(form, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    for (const QPoint &point : path) {
        at = onPage(point);
        mouseOnPage(form, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    if (release)
        mouseOnPage(form, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

} // namespace

TEST_F(Form2Test, TheGrabbedPointStaysUnderThePointer)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click(); // tall enough to pan vertically
    const QPoint grab(3000, 3000);
    const QPointF pageGrab(grab.x() - testsupport::child<preview::PictureBox>(*form, "Picture1")->leftTwips(), grab.y() - testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips());
    drag(*form, grab, {QPoint(3000, 2800), QPoint(3000, 2500)}, false);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), -500);
    // Across, the page is narrower than the viewport and rests on an edge instead.
    EXPECT_EQ(2500 - testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), pageGrab.y());
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2Test, DraggingNeverTakesThePageOutOfItsBounds)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    const int interiorHeight = testsupport::child<preview::PictureBox>(*form, "Picture2")->interiorHeightTwips();
    drag(*form, QPoint(100, 5000), {QPoint(100, 100), QPoint(100, -8000)});
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), interiorHeight - testsupport::child<preview::PictureBox>(*form, "Picture1")->heightTwips());
    drag(*form, QPoint(100, 100), {QPoint(100, 9000)});
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0);
}

TEST_F(Form2Test, ANarrowPageDraggedLeftRestsOnTheRightEdgeAndDraggedRightAtZero)
{
    auto form = loaded(1);
    const int interiorWidth = testsupport::child<preview::PictureBox>(*form, "Picture2")->interiorWidthTwips();
    drag(*form, QPoint(2000, 100), {QPoint(1990, 100)});
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->leftTwips(), interiorWidth - testsupport::child<preview::PictureBox>(*form, "Picture1")->widthTwips());
    drag(*form, QPoint(6000, 100), {QPoint(6010, 100)});
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->leftTwips(), 0);
}

TEST_F(Form2Test, ReleasingSetsTheBarsToTheSameShareAsThePagesOffset)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    const int overflow = testsupport::child<preview::PictureBox>(*form, "Picture1")->heightTwips() - testsupport::child<preview::PictureBox>(*form, "Picture2")->heightTwips();
    drag(*form, QPoint(100, 3000), {QPoint(100, 3000 - overflow / 2)});
    const int expected = preview::roundHalfEven(
        preview::roundHalfEven(double(overflow / 2) / overflow * 100.0) / 100.0 * testsupport::child<QScrollBar>(*form, "VScroll1")->maximum());
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->value(), expected);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), -10 * expected) << "the page settles on the bar's grid";
}

TEST_F(Form2Test, ReleasingWithAPageAsHighAsTheViewportLeavesThatBarAlone)
{
    auto form = loaded(1);
    // A page exactly as high as the viewport's outer height: no share to take.
    testsupport::child<preview::PictureBox>(*form, "Picture1")->setHeightTwips(testsupport::child<preview::PictureBox>(*form, "Picture2")->heightTwips());
    mouseOnPage(*form, QEvent::MouseButtonRelease, QPointF(10, 10), Qt::LeftButton, Qt::NoButton);
    EXPECT_TRUE(m_dialogs.messages().empty());
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->value(), 0);
}

TEST_F(Form2Test, MovingWithoutAButtonDoesNothing)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    mouseOnPage(*form, QEvent::MouseButtonPress, QPointF(100, 100), Qt::LeftButton, Qt::LeftButton);
    mouseOnPage(*form, QEvent::MouseButtonRelease, QPointF(100, 100), Qt::LeftButton, Qt::NoButton);
    mouseOnPage(*form, QEvent::MouseMove, QPointF(100, -900), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0);
}
