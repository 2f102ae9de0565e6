#include "form1fixture.h"
#include "support/widgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace {

QRect geometryOf(const entry::Form1 &form, const char *name)
{
    const auto *widget = form.findChild<QWidget *>(QString::fromLatin1(name));
    return widget ? widget->geometry() : QRect();
}

} // namespace

TEST_F(Form1Test, WindowHasItsFixedSizeCaptionAndNoMaximizeButton)
{
    auto form = start();
    EXPECT_EQ(form->size(), QSize(536, 526));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Parvolin"));
    EXPECT_FALSE(form->windowIcon().isNull());
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST_F(Form1Test, ControlsStandWhereTheLayoutPutsThem)
{
    auto form = start();
    // Twips divided by 15.
    EXPECT_EQ(geometryOf(*form, "PushButton1"), QRect(8, 8, 520, 27));
    EXPECT_EQ(geometryOf(*form, "PushButton2"), QRect(8, 42, 256, 27));
    EXPECT_EQ(geometryOf(*form, "PushButton3"), QRect(272, 42, 256, 27));
    EXPECT_EQ(geometryOf(*form, "Frame1"), QRect(8, 75, 520, 157));
    EXPECT_EQ(geometryOf(*form, "SSTab1"), QRect(8, 239, 520, 280));
    EXPECT_EQ(geometryOf(*form, "txtYourName"), QRect(108, 18, 394, 25));
    EXPECT_EQ(geometryOf(*form, "txtZipCode"), QRect(387, 84, 115, 25));
    EXPECT_EQ(geometryOf(*form, "txtEmail"), QRect(307, 120, 195, 25));
    EXPECT_EQ(geometryOf(*form, "txtObjective"), QRect(14, 39, 477, 202));
    EXPECT_EQ(geometryOf(*form, "Frame3"), QRect(14, 3, 488, 241));
    EXPECT_EQ(geometryOf(*form, "txtCity2"), QRect(129, 90, 133, 25));
    EXPECT_EQ(geometryOf(*form, "txtJobTitle2"), QRect(324, 90, 152, 25));
    EXPECT_EQ(geometryOf(*form, "txtExp3JobRes3"), QRect(129, 204, 350, 25));
    EXPECT_EQ(geometryOf(*form, "txtSpecialAwards"), QRect(129, 165, 350, 25));
    EXPECT_EQ(form->findChild<QWidget *>(QStringLiteral("txtCity2"))->parentWidget()->objectName(),
              QStringLiteral("Frame3"));
}

TEST_F(Form1Test, FontsAndCaptionsAreTheDesignedOnes)
{
    auto form = start();
    EXPECT_EQ(form->font().family(), QStringLiteral("Arial"));
    EXPECT_TRUE(form->font().bold());
    EXPECT_EQ(form->font().pointSizeF(), 9.0);
    EXPECT_EQ(testsupport::child<QPushButton>(*form, "PushButton1")->font().pointSizeF(), 11.25);
    EXPECT_EQ(testsupport::child<QPushButton>(*form, "PushButton1")->text(), QStringLiteral("Start Creating Template"));
    EXPECT_EQ(testsupport::child<QPushButton>(*form, "PushButton2")->text(), QStringLiteral("Clear/Reset Data"));
    EXPECT_EQ(testsupport::child<QPushButton>(*form, "PushButton3")->text(), QStringLiteral("Load Sample/Example Data"));
    EXPECT_EQ(testsupport::child<QGroupBox>(*form, "Frame1")->title(), QStringLiteral("Personal Data"));
    const QStringList tabs = {QStringLiteral("Objective"), QStringLiteral("Experience 1"), QStringLiteral("Experience 2"),
                              QStringLiteral("Experience 3"), QStringLiteral("Education"), QStringLiteral("References")};
    ASSERT_EQ(testsupport::child<QTabWidget>(*form, "SSTab1")->count(), 6);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(testsupport::child<QTabWidget>(*form, "SSTab1")->tabText(i), tabs[i]);
    EXPECT_EQ(testsupport::child<QTabWidget>(*form, "SSTab1")->currentIndex(), 0);
    const auto labels = form->findChildren<QLabel *>();
    QStringList texts;
    for (const QLabel *label : labels)
        texts << label->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("City/State:")));
    EXPECT_EQ(texts.count(QStringLiteral("City, State:")), 4);
    EXPECT_EQ(texts.count(QStringLiteral("Job reponsibilities /achievements 2:")), 3);
}

TEST_F(Form1Test, AllSixCaptionsFitTheirTabs)
{
    auto form = start();
    form->show();
    const QTabBar *bar = testsupport::child<QTabWidget>(*form, "SSTab1")->tabBar();
    for (int i = 0; i < bar->count(); ++i)
        EXPECT_GE(bar->tabRect(i).width(), bar->fontMetrics().horizontalAdvance(bar->tabText(i))) << i;
    EXPECT_LE(bar->tabRect(5).right(), testsupport::child<QTabWidget>(*form, "SSTab1")->width());
}

TEST_F(Form1Test, FocusChainPutsTheTabStripRightAfterThePersonalFields)
{
    auto form = start();
    QStringList expected;
    for (const auto &field : entry::resumeFields())
        expected << QString::fromLatin1(field.name);
    expected.insert(6, QStringLiteral("tabstrip"));
    expected << QStringLiteral("PushButton1") << QStringLiteral("PushButton2") << QStringLiteral("PushButton3")
             << QStringLiteral("txtYourName");

    QStringList visited;
    QWidget *widget = form->field(QStringLiteral("txtYourName"))->widget();
    visited << widget->objectName();
    for (int i = 0; i < 200 && visited.size() < expected.size(); ++i) {
        widget = widget->nextInFocusChain();
        if (widget == testsupport::child<QTabWidget>(*form, "SSTab1")->tabBar())
            visited << QStringLiteral("tabstrip");
        else if (!widget->objectName().isEmpty() && (widget->focusPolicy() & Qt::TabFocus)
                 && (widget->objectName().startsWith(QStringLiteral("txt"))
                     || widget->objectName().startsWith(QStringLiteral("PushButton"))))
            visited << widget->objectName();
    }
    EXPECT_EQ(visited, expected);
}
