#include "form2fixture.h"
#include "support/widgets.h"

#include <QPushButton>

// A white page on the white viewport needs an edge; drawing it must not move
// or resize the page.
TEST_F(Form2Test, ThePageShowsAGreyEdgeOnTheWhiteViewportAtItsOwnPlace)
{
    auto form = loaded(1);
    form->show();
    for (const char *button : {"PushButton2", "PushButton1", "PushButton1"}) {
        testsupport::child<QPushButton>(*form, button)->click();
        auto *page = testsupport::child<preview::PictureBox>(*form, "Picture1");
        EXPECT_EQ(page->widthTwips(), form->view().newW);
        EXPECT_EQ(page->leftTwips(), 0);
        EXPECT_EQ(page->topTwips(), 0);
        const QImage shown = page->grab().toImage();
        const int middle = shown.height() / 2;
        for (const QPoint edge : {QPoint(0, middle), QPoint(shown.width() - 1, middle), QPoint(shown.width() / 2, 0)}) {
            const QColor colour = shown.pixelColor(edge);
            EXPECT_LT(colour.lightness(), 220) << "edge at " << edge.x() << "," << edge.y();
            EXPECT_GT(colour.lightness(), 100) << "grey, not black";
        }
        EXPECT_EQ(shown.pixelColor(3, middle), QColor(Qt::white)) << "the page inside the edge stays white";
    }
    const QImage viewport = testsupport::child<preview::PictureBox>(*form, "Picture2")->grab().toImage();
    EXPECT_EQ(viewport.pixelColor(viewport.width() - 10, viewport.height() / 2), QColor(Qt::white));
}
