#pragma once

#include "applicationstate.h"
#include "layout/layoutcache.h"
#include "model/documentmodel.h"
#include "model/storyeditor.h"

#include <QString>
#include <memory>

namespace engine {

// One open document: its content, its window's selection and its file. All
// automation objects of the document share it.
class DocumentState {
public:
    // A document of `application` holding `model`, from the file at `path` (empty when new).
    DocumentState(std::shared_ptr<ApplicationState> application, DocumentModel model, QString path);
    DocumentState(const DocumentState &) = delete;
    DocumentState &operator=(const DocumentState &) = delete;

    // Throws automation::Failure once the document is closed or its application has quit.
    void ensureOpen() const;
    // Records that the content changed since it was last saved or opened.
    void markModified() { m_modified = true; }

    // The document's content, for reading; reading never lays it out again.
    const DocumentModel &model() const { return m_model; }
    // The document's content, for a change made outside the selection: the
    // next layout request then lays the document out again.
    DocumentModel &changeModel() { ++m_revision; return m_model; }
    // The selection. Its moves keep the layout; its edits count as changes.
    StoryEditor &editor() { return m_editor; }
    const StoryEditor &editor() const { return m_editor; }
    // The document laid out on pages as it is now; laid out again only after
    // its content changed.
    const DocumentLayout &layout()
    {
        return m_layoutCache.layout(m_model, m_revision + m_editor.contentRevision());
    }
    const QString &path() const { return m_path; }
    bool modified() const { return m_modified; }
    ApplicationState &application() { return *m_application; }

    // Records that the document now lives, unchanged, in the file at `path`.
    void savedAs(const QString &path);
    // Makes every later call on the document fail.
    void markClosed() { m_closed = true; }

private:
    std::shared_ptr<ApplicationState> m_application;
    DocumentModel m_model;
    StoryEditor m_editor;
    QString m_path;
    bool m_modified = false;
    bool m_closed = false;
    long m_revision = 1;
    LayoutCache m_layoutCache;
};

} // namespace engine
