#pragma once

#include <QImage>

#include <functional>

namespace shell {

// Reads a picture from the clipboard in the given clipboard format (0: any
// picture format it holds), trying up to 1000 times without pause. Returns a
// null image when no attempt gives a picture. Never throws.
QImage GetClipboardPicture(qint32 format);

// Calls attempt until it gives a non-null image, at most maxAttempts times;
// an attempt that throws counts as failed. Returns a null image otherwise.
QImage firstPicture(const std::function<QImage()> &attempt, int maxAttempts);

} // namespace shell
