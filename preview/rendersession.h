#pragma once

#include <memory>

namespace word {
class Application;
class Document;
} // namespace word

namespace preview {

// A word-processor instance of the preview's own: on leaving, the opened copy
// is closed without saving and the instance quits, also when a step in
// between failed, so no instance outlives the call that started it.
class RenderSession {
public:
    explicit RenderSession(std::shared_ptr<word::Application> application);
    ~RenderSession();
    RenderSession(const RenderSession &) = delete;
    RenderSession &operator=(const RenderSession &) = delete;

    word::Application &application() { return *m_application; }
    void setDocument(std::shared_ptr<word::Document> document) { m_document = std::move(document); }

    // The normal end: the same close and quit, with their failures reported.
    void finish();

private:
    std::shared_ptr<word::Application> m_application;
    std::shared_ptr<word::Document> m_document;
};

} // namespace preview
