#include "renderpages.h"

#include "form2.h"
#include "pagepicture.h"
#include "rendersession.h"

#include "generator/engineregistry.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/failure.h"

#include <QCoreApplication>

namespace preview {
namespace {

QImage pictureOfPage(word::Document &document, int page, double pixelsPerInch)
{
    QImage picture = document.pagePicture(page, pixelsPerInch);
    if (picture.isNull())
        throw automation::Failure(QStringLiteral("The picture of page %1 could not be made.").arg(page));
    // Handed over, not shared: marking a shared picture would copy its pixels.
    return preview::asFittedPagePicture(std::move(picture), pixelsPerInch);
}

} // namespace

void RenderPages(const QString &path, Form2 &form, const std::function<void()> &setBusy)
{
    RenderSession session(generator::createObject(QStringLiteral("Word.Application")));
    const auto document = session.application().documents()->open(path);
    session.setDocument(document);
    session.application().activeDocument()->repaginate();
    const int pageCount = session.application().activeDocument()->builtInDocumentProperties(word::wdPropertyPages).toInt();
    const double pixelsPerInch = preview::pagePictureResolution(form.devicePixelRatioF());

    int page = 0;
    for (int passes = 0;; ++passes) {
        setBusy();
        const QImage picture = pictureOfPage(*document, page + 1, pixelsPerInch);
        ++page;
        form.addPageItem(page);
        form.loadImage(page - 1, picture);
        // One round of pending events per page, as the deletion of each page's
        // transfer file used to give.
        QCoreApplication::processEvents();
        if (pageCount - passes <= 1)
            break;
    }
    form.setLastImageIndex(page - 1);
    session.finish();
}

} // namespace preview
