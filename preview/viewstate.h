#pragma once

#include "pagepicture.h"
#include "scrollamounts.h"
#include "viewmath.h"

#include <QImage>
#include <QtGlobal>
#include <map>

namespace preview {

// What the preview's view of one page is, without a window: the zoom, the
// page's unscaled and zoomed sizes, the scroll bars' units and steps, where
// a drag began, what the wheel has moved short of a whole step, and the
// pictures drawn sharp for the shown page. Every length is in twips.
//
// The values the window's design names (mZoom, mOrigW, ... mDownY) keep those
// names; the preview window's handlers set them step by step where its design
// says so, and everything else goes through the functions here.
class ViewState {
public:
    // The view set-up: zoom 1.0, the page unscaled at `origWTwips` × `origHTwips`.
    void setUp(qint32 origWTwips, qint32 origHTwips);
    // The factor a zoom step asks for: `direction` 0 zooms in, any other out.
    float zoomCandidate(qint32 direction) const;
    // Takes `factor` when it lies within the zoom limits; false, and nothing
    // changed, otherwise.
    bool takeZoom(float factor);
    // Whether the zoomed size (mNewW × mNewH) is small enough to be drawn.
    bool drawable() const;

    // Sets the unit of the bar along `orientation` for a page of `pageExtent`
    // in a viewport of `viewportOuter`, and says how the bar is set up.
    ScrollSetup takeScrollSetup(Qt::Orientation orientation, qint32 pageExtent, qint32 viewportOuter);
    // The bar's arrow and trough steps along `orientation`, in its own units,
    // for a viewport interior of `viewportInterior`.
    BarSteps barSteps(Qt::Orientation orientation, qint32 viewportInterior) const;
    // The page's left or top edge for the bar value `value` along `orientation`.
    qint32 pageEdgeForBar(Qt::Orientation orientation, int value) const;
    // Whole steps of the bar along `orientation` for a move of `twips` (wheel,
    // arrow keys); what does not make a whole step is kept for the next move.
    // None while the bar has no unit.
    int barStepsForMove(Qt::Orientation orientation, double twips);
    // One line of body text as the page shows at the current zoom.
    double lineTwips() const;
    // The move a wheel event asks for along one axis (see preview::wheelTwips).
    double wheelMoveTwips(int angleDelta, int pixelDelta) const;
    // Whole zoom steps for a Ctrl+wheel turn of `angleDelta`, positive to
    // zoom in; parts of a notch are kept for the next turn.
    int zoomStepsForWheel(int angleDelta);

    // The page's edge after the pointer moved to `pointer` on a page whose
    // edge was at `edge` when the move began, from where the button went down
    // (mDownX, mDownY); not yet limited to the viewport.
    qint32 draggedEdge(Qt::Orientation orientation, qint32 edge, float pointer) const;

    // Shows page `index` (from 0), whose picture shows it whole at zoom 1.0
    // at `zoomOnePixelsPerInch`; the sharp pictures of the page before go.
    void showPage(int index, double zoomOnePixelsPerInch);
    int shownPage() const { return m_shownPage; }
    // The resolution, in pixels per inch, at which the shown page is drawn
    // sharp for the current zoom on a screen of `devicePixelRatio`.
    double sharpResolution(qreal devicePixelRatio) const;
    // The shown page drawn for the current zoom on a screen of
    // `devicePixelRatio`, when it has been drawn; a null picture otherwise.
    QImage sharpPicture(qreal devicePixelRatio) const;
    // Keeps `picture` as the shown page drawn for the current zoom.
    void keepSharpPicture(const QImage &picture);
    // Lets the drawings go, for a document that is no longer the one shown.
    void forgetSharpPictures();

    float zoom() const { return mZoom; }

protected:
    float mZoom = 1.0f;
    qint32 mOrigW = 0;
    qint32 mOrigH = 0;
    qint32 mNewW = 0;
    qint32 mNewH = 0;
    qint16 mHUnit = 0;
    qint16 mVUnit = 0;
    float mDownX = 0;
    float mDownY = 0;

private:
    int sharpPictureKey() const;

    int m_shownPage = 0;
    double m_zoomOnePixelsPerInch = previewPixelsPerInch;
    // Keyed by zoom × 4; only the shown page's, so that long documents cost
    // no more memory than short ones.
    std::map<int, QImage> m_sharpPictures;
    double m_horizontalRemainderTwips = 0;
    double m_verticalRemainderTwips = 0;
    int m_zoomWheelDelta = 0;
};

} // namespace preview
