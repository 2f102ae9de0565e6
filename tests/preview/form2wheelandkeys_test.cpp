// The wheel and the keyboard in the preview, driven as a user drives them:
// wheel events over the page, key presses on whatever control has the focus.
#include "form2fixture.h"
#include "support/widgets.h"
#include "preview/scrollamounts.h"

#include <QApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>

namespace {

class Form2InputTest : public Form2Test {
protected:
    std::unique_ptr<preview::Form2> shownAndActive(int pages)
    {
        auto form = loaded(pages);
        form->show();
        QApplication::setActiveWindow(form.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
        return form;
    }

    // A wheel turned over the middle of the page.
    static void turnWheel(preview::Form2 &form, QPoint angle, Qt::KeyboardModifiers modifiers = {},
                          QPoint pixels = QPoint())
    {
        auto *page = testsupport::child<preview::PictureBox>(form, "Picture1");
        const QPointF at(page->width() / 2.0, page->height() / 4.0);
        QWheelEvent wheel(at, page->mapToGlobal(at), pixels, angle, Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(page, &wheel);
    }

    static void zoomInTwice(preview::Form2 &form)
    {
        testsupport::child<QPushButton>(form, "PushButton1")->click();
        testsupport::child<QPushButton>(form, "PushButton1")->click();
    }

    static qint32 pageTop(const preview::Form2 &form)
    {
        return testsupport::child<preview::PictureBox>(form, "Picture1")->topTwips();
    }

    static QTreeWidget *pageList(const preview::Form2 &form) { return testsupport::child<QTreeWidget>(form, "ListView1"); }

    static void keyOnFocus(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
};

// Three lines of 11 pt text at 1.08 spacing on a page shown at 42 pixels per
// inch and zoom 1.5, in twips: about 38 pixels.
constexpr double threeLinesAtZoomOneAndAHalfTwips = 3 * 14.5 * (42.0 * 15 / 72) * 1.5;

} // namespace

TEST_F(Form2InputTest, WheelOverThePageScrollsAboutThreeLinesPerNotch)
{
    auto form = loaded(1);
    zoomInTwice(*form);
    turnWheel(*form, QPoint(0, -120));
    EXPECT_NEAR(-pageTop(*form), threeLinesAtZoomOneAndAHalfTwips, 10);
    EXPECT_EQ(pageTop(*form), -10 * testsupport::child<QScrollBar>(*form, "VScroll1")->value()) << "through the bar";
    turnWheel(*form, QPoint(0, -120));
    EXPECT_NEAR(-pageTop(*form), 2 * threeLinesAtZoomOneAndAHalfTwips, 20);
    turnWheel(*form, QPoint(0, 360));
    EXPECT_EQ(pageTop(*form), 0) << "stops at the top";
    for (int i = 0; i < 100; ++i)
        turnWheel(*form, QPoint(0, -120));
    EXPECT_EQ(testsupport::child<QScrollBar>(*form, "VScroll1")->value(), testsupport::child<QScrollBar>(*form, "VScroll1")->maximum());
    EXPECT_EQ(form->zoom(), 1.5f);
}

TEST_F(Form2InputTest, TouchpadPixelsScrollSmoothlyAndSmallMovesAddUp)
{
    auto form = loaded(1);
    zoomInTwice(*form);
    turnWheel(*form, QPoint(0, -24), {}, QPoint(0, -20));
    EXPECT_EQ(pageTop(*form), -300) << "20 pixels of 15 twips";
    // Half a pixel's worth at a time is less than a step of the bar each time.
    for (int i = 0; i < 4; ++i)
        turnWheel(*form, QPoint(0, -1), {}, QPoint(0, -1));
    EXPECT_EQ(pageTop(*form), -360);
}

TEST_F(Form2InputTest, ShiftWheelScrollsSideways)
{
    auto form = std::make_unique<preview::Form2>();
    form->Form_Load();
    // A page a little wider than the viewport, the only width that both
    // overflows it and stays drawable.
    QImage wide(940, 600, QImage::Format_RGB32);
    wide.fill(Qt::white);
    form->addPageItem(1);
    form->loadImage(0, preview::asPagePicture(wide, 63.0));
    form->showFirstPage();
    activate(*form);
    auto *bar = testsupport::child<QScrollBar>(*form, "HScroll1");
    ASSERT_TRUE(bar->isEnabled());
    turnWheel(*form, QPoint(0, -120), Qt::ShiftModifier);
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->leftTwips(), -bar->maximum());
    EXPECT_EQ(pageTop(*form), 0);
    turnWheel(*form, QPoint(120, 0));
    EXPECT_EQ(bar->value(), 0) << "a sideways wheel needs no Shift";
}

TEST_F(Form2InputTest, CtrlWheelZoomsAlongTheButtonsStepsAndLettingGoOfCtrlKeepsTheZoom)
{
    auto form = shownAndActive(2);
    pageList(*form)->setCurrentItem(pageList(*form)->topLevelItem(0));
    pageList(*form)->setFocus(Qt::OtherFocusReason);
    QTest::keyPress(pageList(*form), Qt::Key_Control, Qt::ControlModifier);
    turnWheel(*form, QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.25f);
    turnWheel(*form, QPoint(0, 60), Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.25f) << "half a notch is not a step";
    turnWheel(*form, QPoint(0, 60), Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.5f);
    turnWheel(*form, QPoint(0, 120), Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.0f) << "past the largest drawable size, as Zoom In does";
    turnWheel(*form, QPoint(0, -240), Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 0.5f);
    EXPECT_EQ(pageTop(*form), 0);
    QTest::keyRelease(pageList(*form), Qt::Key_Control);
    EXPECT_EQ(form->zoom(), 0.5f) << "releasing Ctrl in the page list is no page choice";
    QTest::keyClick(pageList(*form), Qt::Key_Shift);
    EXPECT_EQ(form->zoom(), 0.5f);
}

TEST_F(Form2InputTest, CtrlPlusMinusAndZeroZoomFromAnyControl)
{
    auto form = shownAndActive(2);
    testsupport::child<QPushButton>(*form, "PushButton6")->setFocus(Qt::OtherFocusReason);
    keyOnFocus(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.25f);
    keyOnFocus(Qt::Key_Equal, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.5f);
    keyOnFocus(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.25f);
    keyOnFocus(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.0f);

    pageList(*form)->setCurrentItem(pageList(*form)->topLevelItem(0));
    pageList(*form)->setFocus(Qt::OtherFocusReason);
    keyOnFocus(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(form->zoom(), 1.25f) << "the release of the plus key in the list does not undo the zoom";
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2InputTest, PageKeysChooseNextPreviousFirstAndLastFromAnyControl)
{
    auto form = shownAndActive(3);
    const auto shownPage = [&] { return testsupport::child<preview::PictureBox>(*form, "Zoom_Ori")->picture(); };
    pageList(*form)->setCurrentItem(pageList(*form)->topLevelItem(0));
    testsupport::child<QPushButton>(*form, "PushButton1")->setFocus(Qt::OtherFocusReason);
    zoomInTwice(*form);
    keyOnFocus(Qt::Key_PageDown);
    EXPECT_EQ(shownPage(), form->image(1));
    EXPECT_EQ(pageList(*form)->currentItem(), pageList(*form)->topLevelItem(1));
    EXPECT_EQ(form->zoom(), 1.0f) << "as a click in the list shows a page";
    keyOnFocus(Qt::Key_End);
    EXPECT_EQ(shownPage(), form->image(2));
    keyOnFocus(Qt::Key_PageDown);
    EXPECT_EQ(shownPage(), form->image(2)) << "no page after the last";
    keyOnFocus(Qt::Key_Home);
    EXPECT_EQ(shownPage(), form->image(0));

    pageList(*form)->setFocus(Qt::OtherFocusReason);
    keyOnFocus(Qt::Key_PageDown);
    EXPECT_EQ(shownPage(), form->image(1));
    keyOnFocus(Qt::Key_PageUp);
    EXPECT_EQ(shownPage(), form->image(0));
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2InputTest, ArrowKeysScrollTheClickedPageAndTheScrollBarsStepByALine)
{
    auto form = shownAndActive(1);
    zoomInTwice(*form);
    auto *page = testsupport::child<preview::PictureBox>(*form, "Picture1");
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(20, 20));
    keyOnFocus(Qt::Key_Down);
    keyOnFocus(Qt::Key_Down);
    const double line = preview::bodyLinesTwips(1.0, 1.5f);
    EXPECT_NEAR(-pageTop(*form), 2 * line, 10);
    keyOnFocus(Qt::Key_Up);
    EXPECT_NEAR(-pageTop(*form), line, 10);

    auto *bar = testsupport::child<QScrollBar>(*form, "VScroll1");
    bar->setFocus(Qt::TabFocusReason);
    const qint32 before = pageTop(*form);
    keyOnFocus(Qt::Key_Down);
    EXPECT_NEAR(before - pageTop(*form), line, 10);
    keyOnFocus(Qt::Key_PageDown);
    EXPECT_EQ(pageList(*form)->currentItem(), pageList(*form)->topLevelItem(0)) << "a one-page list has nothing further";
}

TEST_F(Form2InputTest, ReturnPressesTheFocusedButton)
{
    auto form = shownAndActive(1);
    testsupport::child<QPushButton>(*form, "PushButton1")->setFocus(Qt::TabFocusReason);
    keyOnFocus(Qt::Key_Return);
    EXPECT_EQ(form->zoom(), 1.25f);
    testsupport::child<QPushButton>(*form, "PushButton2")->setFocus(Qt::TabFocusReason);
    keyOnFocus(Qt::Key_Return);
    EXPECT_EQ(form->zoom(), 1.0f);
}

TEST_F(Form2InputTest, ATabPressedInTheListIsForgottenSoTabbingBackInKeepsTheZoom)
{
    auto form = shownAndActive(2);
    pageList(*form)->setFocus(Qt::TabFocusReason);
    QTest::keyPress(pageList(*form), Qt::Key_Tab); // the focus leaves on the press
    ASSERT_NE(QApplication::focusWidget(), pageList(*form));
    QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Tab);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton8")->setFocus(Qt::TabFocusReason);
    QTest::keyPress(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), pageList(*form));
    QTest::keyRelease(pageList(*form), Qt::Key_Tab);
    EXPECT_EQ(form->zoom(), 1.25f) << "arriving in the list chooses no page";
}

TEST_F(Form2InputTest, MenuKeyAndShiftF10OpenThePagesMenuFromAnyControl)
{
    auto form = shownAndActive(1);
    auto *menu = testsupport::child<QMenu>(*form, "PageMenu");
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::ShiftModifier, Qt::Key_F10)}) {
        for (QWidget *focus : {static_cast<QWidget *>(pageList(*form)),
                               static_cast<QWidget *>(testsupport::child<QPushButton>(*form, "PushButton6"))}) {
            focus->setFocus(Qt::TabFocusReason);
            keyOnFocus(key.key(), key.keyboardModifiers());
            EXPECT_TRUE(QTest::qWaitForWindowExposed(menu, 2000)) << focus->objectName().toStdString();
            menu->hide();
        }
    }
}

namespace {

struct PaperLines {
    const char *name;
    QImage (*page)(QColor);
    // The resolution at which the page shows whole at zoom 1.0: an A4 page is
    // drawn smaller than a Letter page to fit the same box.
    double pixelsPerInchAtZoomOne;
};

class Form2PaperWheelTest : public Form2InputTest, public ::testing::WithParamInterface<PaperLines> {};

} // namespace

TEST_P(Form2PaperWheelTest, AWheelNotchScrollsThreeLinesOfThePageAsShownNotOfALetterPage)
{
    auto form = loaded(1, GetParam().page);
    zoomInTwice(*form);
    turnWheel(*form, QPoint(0, -120));
    const double threeLinesTwips = 3 * 14.5 * (GetParam().pixelsPerInchAtZoomOne * 15 / 72) * 1.5;
    // Within one step of the bar, which moves the page by 10 twips.
    EXPECT_NEAR(-pageTop(*form), threeLinesTwips, 10);
}

INSTANTIATE_TEST_SUITE_P(Papers, Form2PaperWheelTest,
                         ::testing::Values(PaperLines{"Letter", letterPage, 42.0},
                                           PaperLines{"A4", a4Page, 42.0 * 15840 / 16838}),
                         [](const ::testing::TestParamInfo<PaperLines> &info) { return std::string(info.param.name); });
