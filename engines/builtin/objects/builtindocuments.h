#pragma once

#include "automation/word/document.h"

#include <memory>

namespace engine {

struct ApplicationState;

// The documents of a built-in application.
class BuiltInDocuments : public word::Documents {
public:
    explicit BuiltInDocuments(std::shared_ptr<ApplicationState> application);

    std::shared_ptr<word::Document> add() override;
    // Opens a Rich Text Format file written by this engine.
    std::shared_ptr<word::Document> open(const QString &path) override;

private:
    std::shared_ptr<ApplicationState> m_application;
};

} // namespace engine
