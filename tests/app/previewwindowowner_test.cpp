#include "createcommand.h"
#include "entry/form1.h"
#include "preview/form2.h"

#include <QApplication>
#include <QPointer>
#include <gtest/gtest.h>

// The program's preview window must go before the application object: held
// by a function-static it outlived it when main returned.
TEST(PreviewWindowOwner, ThePreviewWindowLivesAsLongAsItsHolderAndNoLonger)
{
    entry::Form1 form1;
    std::unique_ptr<preview::Form2> holder;
    preview::Form2 &made = app::previewWindow(form1, holder);
    EXPECT_EQ(&made, holder.get());
    EXPECT_EQ(&app::previewWindow(form1, holder), &made) << "made once, on first use";
    EXPECT_EQ(made.windowTitle(), QStringLiteral("Parvolin")) << "and loaded";
    const QPointer<preview::Form2> watched(&made);
    holder.reset();
    EXPECT_TRUE(watched.isNull());
    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_NE(window->objectName(), QStringLiteral("Form2")) << "nothing else keeps one";
}
