#include "form2fixture.h"
#include "support/widgets.h"
#include "generator/engineregistry.h"
#include "pageengine.h"
#include "preview/renderpages.h"

#include <QTreeWidget>

namespace {

class RenderPagesTest : public Form2Test {
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        generator::EngineRegistry::add(QStringLiteral("pages"), m_engine);
        qputenv("PARVOLIN_ENGINE", "pages");
        m_form = std::make_unique<preview::Form2>();
        m_form->Form_Load();
    }
    void TearDown() override
    {
        qunsetenv("PARVOLIN_ENGINE");
        generator::EngineRegistry::remove(QStringLiteral("pages"));
        Form2Test::TearDown();
    }

    void render()
    {
        preview::RenderPages(QStringLiteral("/tmp/vandrel12345678.doc"), *m_form, [this] { ++m_busyCalls; });
    }

    QStringList items() const
    {
        QStringList texts;
        for (int i = 0; i < testsupport::child<QTreeWidget>(*m_form, "ListView1")->topLevelItemCount(); ++i)
            texts << testsupport::child<QTreeWidget>(*m_form, "ListView1")->topLevelItem(i)->text(0);
        return texts;
    }

    std::shared_ptr<PageEngine> m_engine = std::make_shared<PageEngine>();
    std::unique_ptr<preview::Form2> m_form;
    int m_busyCalls = 0;
};

} // namespace

TEST_F(RenderPagesTest, EveryPageBecomesAListItemAndAPictureInOrder)
{
    render();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Page 1"), QStringLiteral("Page 2"), QStringLiteral("Page 3")}));
    EXPECT_EQ(m_form->totalImages(), 2);
    ASSERT_EQ(m_form->imageCount(), 3);
    for (int k = 1; k <= 3; ++k)
        EXPECT_EQ(m_form->image(k - 1).pixelColor(5, 5), QColor(k * 20, k * 20, k * 20)) << k;
    EXPECT_EQ(m_busyCalls, 3);
    EXPECT_EQ(m_engine->state.log,
              (QStringList{QStringLiteral("open(/tmp/vandrel12345678.doc)"), QStringLiteral("repaginate"),
                           QStringLiteral("property(14)"), QStringLiteral("picture(1)"), QStringLiteral("picture(2)"),
                           QStringLiteral("picture(3)"), QStringLiteral("close(0)"), QStringLiteral("quit")}));
}

TEST_F(RenderPagesTest, PicturesKeepThePagesProportionsAtThePreviewsScale)
{
    render();
    const QSize natural = preview::PictureBox::naturalSizeTwips(m_form->image(0));
    EXPECT_NEAR(natural.width(), 8.5 * preview::previewPixelsPerInch * 15, 15);
    EXPECT_NEAR(natural.height(), 11 * preview::previewPixelsPerInch * 15, 15);
}

TEST_F(RenderPagesTest, APageCountOfZeroStillGivesOnePicture)
{
    m_engine->state.reportedPages = 0;
    render();
    EXPECT_EQ(items(), QStringList{QStringLiteral("Page 1")});
    EXPECT_EQ(m_form->totalImages(), 0);
}

TEST_F(RenderPagesTest, NewItemsFollowThoseTheListHolds)
{
    m_form->addPageItem(1);
    m_engine->state.pages = m_engine->state.reportedPages = 1;
    render();
    EXPECT_EQ(items(), (QStringList{QStringLiteral("Page 1"), QStringLiteral("Page 1")}));
}

TEST_F(RenderPagesTest, AFailingPageEndsTheRunKeepsEarlierPagesAndQuitsTheInstance)
{
    m_engine->state.failAtPicture = 2;
    EXPECT_THROW(render(), automation::Failure);
    EXPECT_EQ(items(), QStringList{QStringLiteral("Page 1")});
    EXPECT_EQ(m_engine->state.log.mid(m_engine->state.log.size() - 2),
              (QStringList{QStringLiteral("close(0)"), QStringLiteral("quit")}));
}
