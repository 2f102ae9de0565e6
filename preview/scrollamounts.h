#pragma once

#include "pagepicture.h"

#include <QtGlobal>

// How far the wheel, the arrow keys and the scroll bars' own steps move the
// page, in twips on screen.
namespace preview {

// One line of the resume's body text (11 pt at line spacing 1.08), in points
// on paper.
constexpr double bodyLinePoints = 14.5;
// A wheel notch moves about three lines, as in other readers.
constexpr double linesPerWheelNotch = 3.0;
// One notch of a classic wheel, in the units of QWheelEvent::angleDelta.
constexpr int wheelNotchDelta = 120;

// `lines` lines of body text as shown at `zoom` on a page that shows whole at
// zoom 1.0 at `zoomOnePixelsPerInch` (a Letter page at 42, an A4 page at
// fewer), in twips.
double bodyLinesTwips(double lines, float zoom, double zoomOnePixelsPerInch = previewPixelsPerInch);

// The distance a wheel event asks for along one axis, in twips: the pixel
// delta when the device reports one (touchpads), otherwise notches of three
// lines. Positive moves the page's content towards its end (down or right).
double wheelTwips(int angleDelta, int pixelDelta, float zoom, double zoomOnePixelsPerInch = previewPixelsPerInch);

// A scroll bar's arrow step and page step, in the bar's own units of `unit`
// twips, for a viewport of `viewportTwips` along the bar and lines of text as
// bodyLinesTwips gives them.
struct BarSteps {
    int single = 1;
    int page = 1;
};
BarSteps barSteps(qint16 unit, qint32 viewportTwips, float zoom, double zoomOnePixelsPerInch = previewPixelsPerInch);

} // namespace preview
