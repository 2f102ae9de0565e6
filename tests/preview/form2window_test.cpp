#include "form2fixture.h"
#include "support/widgets.h"
#include "shell/skin.h"
#include "shell/windowpointer.h"

#include <QAccessible>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTreeWidget>

TEST_F(Form2Test, LoadSetsCaptionPageColumnAndLayout)
{
    preview::Form2 form;
    form.Form_Load();
    EXPECT_EQ(form.size(), QSize(656, 730));
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Parvolin"));
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_TRUE(form.setUpPending());
    EXPECT_EQ(testsupport::child<QTreeWidget>(form, "ListView1")->headerItem()->text(0), QStringLiteral("Page(s)"));
    EXPECT_EQ(testsupport::child<QTreeWidget>(form, "ListView1")->header()->sectionSize(0), 500);
    EXPECT_EQ(testsupport::child<QTreeWidget>(form, "ListView1")->geometry(), QRect(8, 8, 640, 105));
    EXPECT_EQ(testsupport::child<preview::PictureBox>(form, "Picture2")->geometry(), QRect(8, 120, 622, 487));
    EXPECT_EQ(testsupport::child<QScrollBar>(form, "VScroll1")->geometry(), QRect(630, 120, 17, 487));
    EXPECT_EQ(testsupport::child<QScrollBar>(form, "HScroll1")->geometry(), QRect(8, 607, 622, 17));
    EXPECT_EQ(testsupport::child<QGroupBox>(form, "Frame1")->geometry(), QRect(8, 628, 640, 57));
    EXPECT_EQ(testsupport::child<QPushButton>(form, "PushButton8")->geometry(), QRect(8, 694, 312, 27));
    EXPECT_EQ(testsupport::child<QPushButton>(form, "PushButton6")->geometry(), QRect(328, 694, 320, 27));
    EXPECT_EQ(testsupport::child<QPushButton>(form, "PushButton1")->text(), QStringLiteral("Zoom In"));
    EXPECT_EQ(testsupport::child<QPushButton>(form, "PushButton2")->text(), QStringLiteral("Zoom Out"));
    EXPECT_EQ(testsupport::child<QPushButton>(form, "PushButton8")->text(), QStringLiteral("< Back"));
    EXPECT_EQ(testsupport::child<QPushButton>(form, "PushButton6")->text(), QStringLiteral("Save Results To Word File"));
    EXPECT_FALSE(testsupport::child<preview::PictureBox>(form, "Zoom_Ori")->isVisible());
    EXPECT_EQ(form.imageCount(), 1) << "element 0 is part of the window";
    EXPECT_EQ(form.palette().color(QPalette::Window), shell::buttonFaceColor());
}

TEST_F(Form2Test, ShowingTheWindowRunsTheFirstActivationOnce)
{
    preview::Form2 form;
    form.Form_Load();
    fill(form, 2);
    form.show();
    QApplication::setActiveWindow(&form);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_FALSE(form.setUpPending());
    EXPECT_EQ(form.view().origW, 5358);
}

TEST_F(Form2Test, ChoosingAPageShowsItWholeAtZoomOneTopLeft)
{
    auto form = loaded(3);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QScrollBar>(*form, "VScroll1")->setValue(20);
    form->show();
    auto *list = testsupport::child<QTreeWidget>(*form, "ListView1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(2)).center());
    EXPECT_EQ(form->zoom(), 1.0f);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->topTwips(), 0);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Picture1")->leftTwips(), 0);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Zoom_Ori")->picture(), form->image(2));
    const QImage drawn = testsupport::child<preview::PictureBox>(*form, "Picture1")->drawing();
    // The third page carries blue in its bottom-right block.
    EXPECT_EQ(drawn.pixelColor(qRound(450 / 1.5), qRound(610 / 1.5)), QColor(Qt::blue));
    EXPECT_EQ(form->pointer().shape(), shell::WindowPointer::Shape::Arrow);
}

TEST_F(Form2Test, ReleasingAKeyInTheListShowsTheSelectedPage)
{
    auto form = loaded(2);
    form->show();
    testsupport::child<QTreeWidget>(*form, "ListView1")->setCurrentItem(testsupport::child<QTreeWidget>(*form, "ListView1")->topLevelItem(0));
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    testsupport::child<QTreeWidget>(*form, "ListView1")->setFocus();
    QTest::keyClick(testsupport::child<QTreeWidget>(*form, "ListView1"), Qt::Key_Down);
    EXPECT_EQ(form->zoom(), 1.0f);
    EXPECT_EQ(testsupport::child<preview::PictureBox>(*form, "Zoom_Ori")->picture(), form->image(1));
}

TEST_F(Form2Test, ChoosingWithNothingSelectedKeepsTheView)
{
    auto form = loaded(2);
    testsupport::child<QPushButton>(*form, "PushButton1")->click();
    auto *list = testsupport::child<QTreeWidget>(*form, "ListView1");
    list->setCurrentItem(nullptr);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Space);
    ASSERT_EQ(list->currentItem(), nullptr);
    EXPECT_EQ(form->zoom(), 1.25f);
    EXPECT_TRUE(m_dialogs.messages().empty());
}

TEST_F(Form2Test, ImagePicturesFillAndShrinkLikeAControlArray)
{
    preview::Form2 form;
    form.Form_Load();
    fill(form, 3);
    EXPECT_EQ(form.imageCount(), 3);
    for (int i = 1; i <= form.totalImages(); ++i)
        form.removeImage(i);
    EXPECT_EQ(form.imageCount(), 1);
    EXPECT_FALSE(form.image(0).isNull());
    form.removeImage(0);
    EXPECT_EQ(form.imageCount(), 1);
}

TEST_F(Form2Test, ClosingDeletesTheDocumentAndEndsTheProgram)
{
    auto form = loaded(1);
    const QString document = testsupport::freshFolder(QStringLiteral("temp")) + QStringLiteral("/vandrel12345678.doc");
    QFile file(document);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("{\\rtf1}");
    file.close();
    form->setWordFile(document);
    form->show();
    form->close();
    EXPECT_FALSE(QFile::exists(document));
    ASSERT_TRUE(m_endStatus.has_value());
    EXPECT_EQ(*m_endStatus, 0);
}

TEST_F(Form2Test, HourglassStaysOverButtonsWhileBusy)
{
    auto form = loaded(1);
    form->pointer().setBusy();
    form->pointer().overButton();
    EXPECT_EQ(form->pointer().shape(), shell::WindowPointer::Shape::Busy);
}

TEST_F(Form2Test, ThePageColumnKeepsItsWidthAndScreenReadersHearThePageAndBars)
{
    auto form = loaded(3);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(testsupport::child<QTreeWidget>(*form, "ListView1")->header()->sectionSize(0), 500)
        << "7500 twips, not stretched to the list";
    const auto spoken = [&](const char *name) {
        QAccessibleInterface *face = QAccessible::queryAccessibleInterface(testsupport::child<QWidget>(*form, name));
        return face ? face->text(QAccessible::Name) : QString();
    };
    EXPECT_EQ(spoken("Picture1"), QStringLiteral("Page 1 of 3"));
    auto *list = testsupport::child<QTreeWidget>(*form, "ListView1");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(1)).center());
    EXPECT_EQ(spoken("Picture1"), QStringLiteral("Page 2 of 3"));
    EXPECT_FALSE(spoken("VScroll1").isEmpty());
    EXPECT_FALSE(spoken("HScroll1").isEmpty());
    EXPECT_NE(spoken("VScroll1"), spoken("HScroll1"));
}
