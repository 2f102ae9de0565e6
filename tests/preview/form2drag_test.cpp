#include "form2fixture.h"
#include "support/widgets.h"

#include <QPushButton>

#include <QScrollBar>

namespace {

// Drags the page as a person does: the pointer goes down at `from` and moves
// along `path`, in twips on the viewport's interior; the window hears the
// positions relative to the page, which moves under the pointer. With
// `release` the button comes up at the end.
void drag(preview::Form2 &form, QPoint from, const std::vector<QPoint> &path, bool release = true)
{
    auto onPage = [&form](QPoint viewport) {
        return QPointF(viewport.x() - testsupport::child<preview::PictureBox>(form, "Picture1")->leftTwips(), viewport.y() - testsupport::child<preview::PictureBox>(form, "Picture1")->topTwips());
    };
    QPointF at = onPage(from);
    form.picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, float(at.x()), float(at.y()));
    for (const QPoint &point : path) {
        at = onPage(point);
        form.picture1_MouseMove(Qt::LeftButton, Qt::NoModifier, float(at.x()), float(at.y()));
    }
    if (release)
        form.Picture1_MouseUp(Qt::LeftButton, Qt::NoModifier, float(at.x()), float(at.y()));
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
    form->Picture1_MouseUp(Qt::LeftButton, Qt::NoModifier, 10, 10);
    EXPECT_TRUE(m_dialogs.messages().empty());
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->value(), 0);
}

TEST_F(Form2Test, MovingWithoutAButtonDoesNothing)
{
    auto form = loaded(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    form->picture1_MouseDown(Qt::LeftButton, Qt::NoModifier, 100, 100);
    form->picture1_MouseMove(Qt::NoButton, Qt::NoModifier, 100, -900);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0);
}
