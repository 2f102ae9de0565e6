#pragma once

#include <QtGlobal>
#include <optional>

// The arithmetic of the preview's view, in twips and in the integer widths
// the window keeps its values in.
namespace preview {

// Rounds to the nearest integer, halves to the even neighbour.
qint32 roundHalfEven(double value);

// The zoom factors the buttons step through, and the drawable size limits.
constexpr float zoomStep = 0.25f;
constexpr float smallestZoom = 0.25f;
constexpr float largestZoom = 4.0f;
constexpr qint32 drawableWidthLimit = 9500;   // twips, exclusive
constexpr qint32 drawableHeightLimit = 11100; // twips, exclusive

// The zoomed extent: the integer part of extent × zoom, computed in double.
qint32 zoomedExtent(qint32 extent, float zoom);

// How a scroll bar is set up for a page of `pageExtent` in a viewport of
// `viewportOuter` (twips): disabled with unit 0 when the page fits; otherwise
// a maximum of the overflow in steps of 1 twip, or of a tenth of it in steps
// of 10 twips when the overflow is over 100.
struct ScrollSetup {
    bool enabled = false;
    qint32 maximum = 0;
    qint16 unit = 0;
};
ScrollSetup scrollSetup(qint32 pageExtent, qint32 viewportOuter);

// Where a dragged page's edge may go: never past 0, never further than
// (viewport interior − page extent).
qint32 clampDraggedEdge(qint32 edge, qint32 viewportInterior, qint32 pageExtent);

// The percentage of its overflow by which the page is moved, for the scroll
// bar follow-up after a drag; nothing when page and viewport are equally
// large, where there is no overflow to take a share of.
std::optional<qint32> offsetPercent(qint32 edge, qint32 pageExtent, qint32 viewportOuter);

// The bar value for `percent` of `maximum`; nothing for a negative percentage
// or one that would pass the maximum.
std::optional<qint32> valueForPercent(qint16 percent, qint32 maximum);

} // namespace preview
