#include "viewstate.h"

#include <cmath>
#include <cstdlib>

namespace preview {

void ViewState::setUp(qint32 origWTwips, qint32 origHTwips)
{
    mZoom = 1.0f;
    mOrigW = origWTwips;
    mOrigH = origHTwips;
    mNewW = mOrigW;
    mNewH = mOrigH;
}

float ViewState::zoomCandidate(qint32 direction) const
{
    return direction == 0 ? mZoom + zoomStep : mZoom - zoomStep;
}

bool ViewState::takeZoom(float factor)
{
    if (factor < smallestZoom || factor > largestZoom)
        return false;
    mZoom = factor;
    return true;
}

bool ViewState::drawable() const
{
    return mNewW < drawableWidthLimit && mNewH < drawableHeightLimit;
}

ScrollSetup ViewState::takeScrollSetup(Qt::Orientation orientation, qint32 pageExtent, qint32 viewportOuter)
{
    const ScrollSetup setup = scrollSetup(pageExtent, viewportOuter);
    (orientation == Qt::Vertical ? mVUnit : mHUnit) = setup.unit;
    return setup;
}

BarSteps ViewState::barSteps(Qt::Orientation orientation, qint32 viewportInterior) const
{
    return preview::barSteps(orientation == Qt::Vertical ? mVUnit : mHUnit, viewportInterior, mZoom,
                             m_zoomOnePixelsPerInch);
}

qint32 ViewState::pageEdgeForBar(Qt::Orientation orientation, int value) const
{
    return -(qint32(orientation == Qt::Vertical ? mVUnit : mHUnit) * value);
}

int ViewState::barStepsForMove(Qt::Orientation orientation, double twips)
{
    const bool vertical = orientation == Qt::Vertical;
    const qint16 unit = vertical ? mVUnit : mHUnit;
    if (unit <= 0)
        return 0;
    // Touchpads send many small deltas; what does not make a whole step of the
    // bar is kept for the next one, so slow movements still scroll.
    double &remainder = vertical ? m_verticalRemainderTwips : m_horizontalRemainderTwips;
    remainder += twips;
    const double steps = std::trunc(remainder / unit);
    remainder -= steps * unit;
    return int(steps);
}

double ViewState::lineTwips() const
{
    return bodyLinesTwips(1.0, mZoom, m_zoomOnePixelsPerInch);
}

double ViewState::wheelMoveTwips(int angleDelta, int pixelDelta) const
{
    return wheelTwips(angleDelta, pixelDelta, mZoom, m_zoomOnePixelsPerInch);
}

int ViewState::zoomStepsForWheel(int angleDelta)
{
    // Fine-grained wheels send parts of a notch; a zoom step needs a whole one.
    m_zoomWheelDelta += angleDelta;
    const int steps = m_zoomWheelDelta / wheelNotchDelta;
    m_zoomWheelDelta -= steps * wheelNotchDelta;
    return steps;
}

qint32 ViewState::draggedEdge(Qt::Orientation orientation, qint32 edge, float pointer) const
{
    // The pointer is measured on the page, which moves with it, so the grabbed
    // point stays under the pointer.
    return roundHalfEven(edge - (orientation == Qt::Vertical ? mDownY : mDownX) + pointer);
}

void ViewState::showPage(int index, double zoomOnePixelsPerInch)
{
    m_shownPage = index;
    m_zoomOnePixelsPerInch = zoomOnePixelsPerInch;
    forgetSharpPictures();
}

double ViewState::sharpResolution(qreal devicePixelRatio) const
{
    return sharpPictureResolution(mZoom, devicePixelRatio, m_zoomOnePixelsPerInch);
}

QImage ViewState::sharpPicture(qreal devicePixelRatio) const
{
    const auto found = m_sharpPictures.find(sharpPictureKey());
    // A picture drawn for another screen would be blurred or oversized here.
    if (found == m_sharpPictures.end() || !qFuzzyCompare(found->second.devicePixelRatio(), devicePixelRatio))
        return QImage();
    return found->second;
}

void ViewState::keepSharpPicture(const QImage &picture)
{
    m_sharpPictures[sharpPictureKey()] = picture;
}

void ViewState::forgetSharpPictures()
{
    m_sharpPictures.clear();
}

int ViewState::sharpPictureKey() const
{
    return qRound(mZoom * 4);
}

} // namespace preview
