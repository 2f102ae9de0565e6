#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace word {
class Document;
}

namespace preview {

class RenderSession;

// The saved document, kept open in a word-processor instance of the preview's
// own for as long as the preview shows it: drawing the page for another zoom,
// printing or exporting then costs a drawing, not a start of the word
// processor. The copy is never saved over the file it was opened from; an
// export saves it into a file of its own.
class KeptDocument {
public:
    KeptDocument();
    ~KeptDocument();
    KeptDocument(const KeptDocument &) = delete;
    KeptDocument &operator=(const KeptDocument &) = delete;

    // Runs `work` on the document at `path`, opening and repaginating it first
    // unless it is the one kept open. A failure is passed on
    // (automation::Failure) after the instance is let go, so that the next call
    // starts afresh rather than on an instance in an unknown state.
    void use(const QString &path, const std::function<void(word::Document &)> &work);

    // Closes the copy without saving and quits the instance; anything that
    // fails on the way is of no consequence, the copy holding no changes.
    void release();

private:
    void open(const QString &path);

    QString m_path;
    std::unique_ptr<RenderSession> m_session;
    std::shared_ptr<word::Document> m_document;
};

} // namespace preview
