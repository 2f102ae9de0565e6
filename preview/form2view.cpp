// Zoom, scroll bars and drag-to-pan of the preview window. Every length here
// is in twips.
#include "form2.h"
#include "picturebox.h"
#include "scrollamounts.h"
#include "viewmath.h"

#include "automation/failure.h"
#include "automation/word/document.h"
#include "shell/steps.h"
#include "shell/windowpointer.h"

#include <QScrollBar>
#include <limits>

namespace preview {
namespace {

void applyScrollSetup(QScrollBar *bar, const ScrollSetup &setup, const BarSteps &steps)
{
    bar->setEnabled(setup.enabled);
    if (!setup.enabled) {
        // A disabled bar keeps no range from the page before it, or it would
        // still draw that page's thumb.
        bar->setRange(0, 0);
        return;
    }
    bar->setMaximum(setup.maximum);
    // The bar's own arrows and trough move by a line of text and by a view
    // less a line, whatever its unit.
    bar->setSingleStep(steps.single);
    bar->setPageStep(steps.page);
    bar->setValue(0);
}

void setBarByPercent(QScrollBar *bar, qint16 percent)
{
    if (const auto value = valueForPercent(percent, bar->maximum()))
        bar->setValue(*value);
}

// The share is handed on as a 16-bit value; saturate rather than wrap.
qint16 asShortPercent(qint32 percent)
{
    return static_cast<qint16>(std::clamp<qint32>(percent, std::numeric_limits<qint16>::min(),
                                                  std::numeric_limits<qint16>::max()));
}

} // namespace

void Form2::PushButton1_Click()
{
    shell::Steps(QStringLiteral("Form2.PushButton1_Click")).run(100, [this] { ZoomStep(0); });
}

void Form2::PushButton2_Click()
{
    shell::Steps(QStringLiteral("Form2.PushButton2_Click")).run(100, [this] { ZoomStep(1); });
}

void Form2::ZoomStep(qint32 direction)
{
    SetZoom(zoomCandidate(direction));
}

void Form2::SetZoom(float factor)
{
    if (!takeZoom(factor))
        return;
    RedrawImage();
    SetupScrollbars();
}

void Form2::RedrawImage()
{
    const shell::Steps steps(QStringLiteral("Form2.RedrawImage"));
    steps.run(100, [this] { mNewW = zoomedExtent(mOrigW, mZoom); });
    steps.run(102, [this] { mNewH = zoomedExtent(mOrigH, mZoom); });
    bool drawable = false;
    steps.run(104, [&] { drawable = ViewState::drawable(); });
    if (drawable) {
        steps.run(106, [this] { Picture1->clearPicture(); });
        steps.run(108, [this] { Picture1->setWidthTwips(mNewW); });
        steps.run(110, [this] { Picture1->setHeightTwips(mNewH); });
        steps.run(112, [this] { drawShownPage(); });
        steps.run(114, [this] { m_pointer->setArrow(); });
        steps.run(116, [this] { HScroll1->setValue(0); });
        steps.run(118, [this] { VScroll1->setValue(0); });
        steps.run(120, [this] { HScroll1->setEnabled(Picture2->interiorWidthTwips() < mNewW); });
        steps.run(122, [this] { VScroll1->setEnabled(Picture2->interiorHeightTwips() < mNewH); });
        return;
    }
    // Too large to draw: back to the set-up view's values, the picture as it was.
    steps.run(124, [this] { mZoom = 1.0f; });
    steps.run(126, [this] { mOrigW = originalWidthTwips(); });
    steps.run(128, [this] { mOrigH = originalHeightTwips(); });
    steps.run(130, [this] { mNewW = mOrigW; });
    steps.run(132, [this] { mNewH = mOrigH; });
}

void Form2::drawShownPage()
{
    const QRect target(0, 0, mNewW, mNewH);
    const QImage sharp = drawnSharpPicture();
    if (!sharp.isNull())
        Picture1->drawUnscaled(sharp, target);
    else
        Picture1->drawStretched(Zoom_Ori->picture(), QRect(0, 0, mOrigW, mOrigH), target);
}

QImage Form2::drawnSharpPicture()
{
    const qreal ratio = Picture1->devicePixelRatioF();
    if (const QImage kept = sharpPicture(ratio); !kept.isNull())
        return kept;
    if (mWordFile.isEmpty())
        return QImage();
    QImage picture;
    // The stretched copy still shows the page; a document that can no longer
    // be drawn is not worth a report while zooming.
    try {
        m_keptDocument.use(mWordFile, [&](word::Document &document) {
            picture = document.pagePicture(shownPage() + 1, sharpResolution(ratio));
        });
    } catch (const automation::Failure &) {
        return QImage();
    }
    picture.setDevicePixelRatio(ratio);
    keepSharpPicture(picture);
    return picture;
}

void Form2::SetupScrollbars()
{
    Picture1->setTopTwips(0);
    Picture1->setLeftTwips(0);
    const ScrollSetup horizontal = takeScrollSetup(Qt::Horizontal, Picture1->widthTwips(), Picture2->widthTwips());
    applyScrollSetup(HScroll1, horizontal, barSteps(Qt::Horizontal, Picture2->interiorWidthTwips()));
    const ScrollSetup vertical = takeScrollSetup(Qt::Vertical, Picture1->heightTwips(), Picture2->heightTwips());
    applyScrollSetup(VScroll1, vertical, barSteps(Qt::Vertical, Picture2->interiorHeightTwips()));
}

void Form2::HScroll1_Change()
{
    Picture1->setLeftTwips(pageEdgeForBar(Qt::Horizontal, HScroll1->value()));
}

void Form2::VScroll1_Change()
{
    Picture1->setTopTwips(pageEdgeForBar(Qt::Vertical, VScroll1->value()));
}

void Form2::picture1_MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, float x, float y)
{
    const shell::Steps steps(QStringLiteral("Form2.picture1_MouseDown"));
    steps.run(100, [&] { mDownX = x; });
    steps.run(102, [&] { mDownY = y; });
}

void Form2::picture1_MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers, float x, float y)
{
    const shell::Steps steps(QStringLiteral("Form2.picture1_MouseMove"));
    bool held = false;
    steps.run(100, [&] { held = buttons != Qt::NoButton; });
    if (!held)
        return;
    qint32 newLeft = Picture1->leftTwips();
    qint32 newTop = Picture1->topTwips();
    steps.run(104, [&] { newLeft = draggedEdge(Qt::Horizontal, Picture1->leftTwips(), x); });
    steps.run(106, [&] {
        newLeft = clampDraggedEdge(newLeft, Picture2->interiorWidthTwips(), Picture1->widthTwips());
    });
    steps.run(114, [&] { newTop = draggedEdge(Qt::Vertical, Picture1->topTwips(), y); });
    steps.run(116, [&] {
        newTop = clampDraggedEdge(newTop, Picture2->interiorHeightTwips(), Picture1->heightTwips());
    });
    steps.run(124, [&] { Picture1->moveTwips(newLeft, newTop); });
}

void Form2::Picture1_MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, float, float)
{
    const shell::Steps steps(QStringLiteral("Form2.Picture1_MouseUp"));
    std::optional<qint32> h;
    std::optional<qint32> v;
    steps.run(100, [&] { h = offsetPercent(Picture1->leftTwips(), Picture1->widthTwips(), Picture2->widthTwips()); });
    steps.run(102, [&] { v = offsetPercent(Picture1->topTwips(), Picture1->heightTwips(), Picture2->heightTwips()); });
    // Where page and viewport are exactly as large there is no share to take:
    // that bar is left alone.
    if (h)
        steps.run(104, [&] { SetHScrollbarByPercent(HScroll1, asShortPercent(*h)); });
    if (v)
        steps.run(106, [&] { SetVScrollbarByPercent(VScroll1, asShortPercent(*v)); });
}

void Form2::SetHScrollbarByPercent(QScrollBar *HScrollbar, qint16 percent)
{
    setBarByPercent(HScrollbar, percent);
}

void Form2::SetVScrollbarByPercent(QScrollBar *VScrollbar, qint16 percent)
{
    setBarByPercent(VScrollbar, percent);
}

} // namespace preview
