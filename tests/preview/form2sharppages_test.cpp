// Every zoom shows the page as the engine draws it for that size, pixel for
// pixel, at whatever device pixel ratio the screen has (this suite also runs
// at ratios 1.5 and 2).
#include "form2fixture.h"
#include "support/widgets.h"
#include "generator/engineregistry.h"
#include "generator/resume.h"
#include "preview/form2handover.h"
#include "preview/pagepicture.h"
#include "support/testenvironment.h"
#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QFile>
#include <QPushButton>

namespace {

// Each test runs on both papers a resume is made on.
class Form2SharpPagesTest : public Form2Test, public ::testing::WithParamInterface<const char *> {
protected:
    void SetUp() override
    {
        Form2Test::SetUp();
        m_paper = std::make_unique<testsupport::ScopedVariable>("PAPERSIZE", GetParam());
        m_form = std::make_unique<preview::Form2>();
        m_form->Form_Load();
        preview::Form2HandOver handOver(*m_form, [] {}, [] {}, [] {});
        generator::GenerateResume(
            [](const QString &name) {
                return name == QLatin1String("txtObjective") ? QStringLiteral("To write clear, sharp text at any size.")
                                                             : QStringLiteral("Field %1").arg(name);
            },
            handOver);
        ASSERT_TRUE(m_dialogs.errorReports().isEmpty());
    }

    // Page 1 as the engine draws it at `zoom` on this screen.
    QImage engineDrawing(float zoom) const
    {
        const auto application = generator::createObject(QStringLiteral("Word.Application"));
        const auto document = application->documents()->open(m_form->wordFile());
        const QImage page =
            document->pagePicture(1, preview::sharpPictureResolution(zoom, m_form->devicePixelRatioF(),
                                                                     preview::zoomOneResolution(m_form->image(0))));
        document->close();
        application->quit();
        return page;
    }

    std::unique_ptr<testsupport::ScopedVariable> m_paper;
    std::unique_ptr<preview::Form2> m_form;
};

} // namespace

TEST_P(Form2SharpPagesTest, EveryZoomShowsTheEnginesDrawingForThatSizeWithoutStretching)
{
    auto *zoomOut = testsupport::child<QPushButton>(*m_form, "PushButton2");
    auto *zoomIn = testsupport::child<QPushButton>(*m_form, "PushButton1");
    for (int i = 0; i < 3; ++i)
        zoomOut->click();
    int checked = 0;
    for (float zoom = 0.25f; zoom <= 1.5f; zoom += 0.25f) {
        ASSERT_EQ(m_form->zoom(), zoom);
        const QImage shown = testsupport::child<preview::PictureBox>(*m_form, "Picture1")->drawing();
        const QImage engine = engineDrawing(zoom).convertToFormat(shown.format());
        EXPECT_NEAR(shown.width(), engine.width(), 1) << zoom;
        EXPECT_NEAR(shown.height(), engine.height(), 1) << zoom;
        const int width = std::min(shown.width(), engine.width());
        const int height = std::min(shown.height(), engine.height());
        int inked = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (shown.pixel(x, y) != engine.pixel(x, y)) {
                    ADD_FAILURE() << "zoom " << zoom << " differs at " << x << "," << y;
                    return;
                }
                inked += engine.pixel(x, y) != qRgb(255, 255, 255);
            }
        EXPECT_GT(inked, 200) << "the page shows text at zoom " << zoom;
        ++checked;
        zoomIn->click();
    }
    EXPECT_EQ(checked, 6);
}

TEST_P(Form2SharpPagesTest, ADocumentThatIsGoneStillZoomsByStretchingWithoutAReport)
{
    ASSERT_TRUE(QFile::remove(m_form->wordFile()));
    testsupport::child<QPushButton>(*m_form, "PushButton2")->click();
    EXPECT_EQ(m_form->zoom(), 0.75f);
    const QImage shown = testsupport::child<preview::PictureBox>(*m_form, "Picture1")->drawing();
    EXPECT_EQ(shown.width(), qRound(m_form->view().newW / 15.0 * m_form->devicePixelRatioF()));
    EXPECT_TRUE(m_dialogs.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(Papers, Form2SharpPagesTest, ::testing::Values("letter", "a4"),
                         [](const ::testing::TestParamInfo<const char *> &info) { return std::string(info.param); });
