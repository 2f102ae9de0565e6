#include "clipboardpicture.h"

#include <QClipboard>
#include <QGuiApplication>

namespace shell {

namespace {

const int clipboardAttempts = 1000;

// The clipboard formats that hold a bitmap: bitmap, device-independent bitmap
// and its version-5 header form. Zero lets the clipboard pick.
bool isPictureFormat(qint32 format)
{
    return format == 0 || format == 2 || format == 8 || format == 17;
}

QImage clipboardImage()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    return clipboard ? clipboard->image() : QImage();
}

} // namespace

QImage firstPicture(const std::function<QImage()> &attempt, int maxAttempts)
{
    for (int i = 0; i < maxAttempts; ++i) {
        try {
            QImage picture = attempt();
            if (!picture.isNull())
                return picture;
        } catch (...) {
            // A failed attempt is simply tried again, as the renderer expects.
        }
    }
    return QImage();
}

QImage GetClipboardPicture(qint32 format)
{
    // Formats we cannot turn into a picture (metafiles, text) never succeed,
    // so there is nothing to retry.
    if (!isPictureFormat(format) || !qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return QImage();
    return firstPicture(clipboardImage, clipboardAttempts);
}

} // namespace shell
