#include "renderpages.h"

#include "form2.h"
#include "pagepicture.h"
#include "rendersession.h"

#include "generator/engineregistry.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

#include <QCoreApplication>

namespace preview {

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
        ++page;
        // The first page is shown at once; the others are drawn when they are
        // first chosen, so a long document costs hardly more to show than a
        // short one.
        const QImage picture = page == 1 ? drawnPagePicture(*document, page, pixelsPerInch) : QImage();
        form.addPageItem(page);
        if (page == 1)
            form.loadImage(page - 1, picture);
        else
            form.awaitImage(page - 1, path);
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
