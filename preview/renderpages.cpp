#include "renderpages.h"

#include "form2.h"
#include "pagepicture.h"

#include "generator/engineregistry.h"
#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/failure.h"

#include <QCoreApplication>

namespace preview {
namespace {

// Closes the opened copy without saving and quits the instance, also when a
// step in between failed, so no instance outlives the call.
class RenderSession {
public:
    explicit RenderSession(std::shared_ptr<word::Application> application)
        : m_application(std::move(application))
    {
    }

    ~RenderSession()
    {
        if (!m_application)
            return;
        try {
            if (m_document)
                m_document->close(word::wdDoNotSaveChanges);
        } catch (...) {
        }
        try {
            m_application->quit();
        } catch (...) {
        }
    }

    word::Application &application() { return *m_application; }
    void setDocument(std::shared_ptr<word::Document> document) { m_document = std::move(document); }

    // The normal end: the same close and quit, with their failures reported.
    void finish()
    {
        auto application = std::move(m_application);
        m_application.reset();
        application->activeDocument()->close(word::wdDoNotSaveChanges);
        application->quit();
    }

private:
    std::shared_ptr<word::Application> m_application;
    std::shared_ptr<word::Document> m_document;
};

QImage pictureOfPage(word::Document &document, int page, double pixelsPerInch)
{
    QImage picture = document.pagePicture(page, pixelsPerInch);
    if (picture.isNull())
        throw automation::Failure(QStringLiteral("The picture of page %1 could not be made.").arg(page));
    // Handed over, not shared: marking a shared picture would copy its pixels.
    return preview::asPagePicture(std::move(picture), pixelsPerInch);
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
