#pragma once

#include "preview/form2.h"
#include "support/widgets.h"
#include "preview/pagepicture.h"
#include "preview/picturebox.h"
#include "preview/viewmath.h"
#include "shell/programend.h"
#include "shell/programfolder.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>

// A page picture as the renderer makes it: US Letter at 63 pixels per inch,
// white, with a black block in its top-left quarter and `shade` filling a
// block in its bottom-right corner, so tests can tell pages apart.
inline QImage letterPage(QColor shade)
{
    QImage page(536, 693, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.fillRect(QRect(63, 63, 100, 100), Qt::black);
    painter.fillRect(QRect(400, 560, 100, 100), shade);
    painter.end();
    return preview::asPagePicture(page, 63.0);
}

// A page picture of an A4 page as the renderer makes it: 63 pixels per inch,
// marked for the zoom 1.0 its size asks for, with the same blocks.
inline QImage a4Page(QColor shade)
{
    QImage page(521, 737, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    painter.fillRect(QRect(63, 63, 100, 100), Qt::black);
    painter.fillRect(QRect(400, 600, 100, 100), shade);
    painter.end();
    return preview::asFittedPagePicture(page, 63.0);
}

// Right-clicks the page of `form` and picks `actionName` from its menu with the mouse.
inline void chooseFromPageMenu(preview::Form2 &form, const char *actionName)
{
    auto *page = testsupport::child<preview::PictureBox>(form, "Picture1");
    const QPoint at(40, 40);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, page->mapToGlobal(at));
    QApplication::sendEvent(page, &request);
    auto *menu = testsupport::child<QMenu>(form, "PageMenu");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
    QAction *action = menu->findChild<QAction *>(QString::fromLatin1(actionName));
    ASSERT_TRUE(action);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
}

// Activates `form` as a window manager does.
inline void activate(preview::Form2 &form)
{
    QEvent activation(QEvent::WindowActivate);
    QApplication::sendEvent(&form, &activation);
}

// A preview window loaded with `pages` page pictures, the first in the viewport,
// as the generator leaves it before showing it.
class Form2Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        shell::setProgramFolderForTesting(testsupport::freshFolder(QStringLiteral("program")));
        shell::setProgramEndHandlerForTesting([this](int status) { m_endStatus = status; });
    }
    void TearDown() override
    {
        shell::setProgramEndHandlerForTesting({});
        shell::setProgramFolderForTesting(QString());
    }

    void fill(preview::Form2 &form, int pages, QImage (*page)(QColor) = letterPage)
    {
        const QColor shades[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
        for (int k = 1; k <= pages; ++k) {
            form.addPageItem(k);
            form.loadImage(k - 1, page(shades[(k - 1) % 4]));
        }
        form.setLastImageIndex(pages - 1);
        form.showFirstPage();
    }

    std::unique_ptr<preview::Form2> loaded(int pages, QImage (*page)(QColor) = letterPage)
    {
        auto form = std::make_unique<preview::Form2>();
        form->Form_Load();
        fill(*form, pages, page);
        activate(*form);
        return form;
    }

    testsupport::ScriptedDialogs m_dialogs;
    std::optional<int> m_endStatus;
};
