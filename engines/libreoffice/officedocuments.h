#pragma once

#include "automation/word/document.h"

#include <memory>

namespace engines::libreoffice {

struct ApplicationState;

class OfficeDocuments : public word::Documents {
public:
    explicit OfficeDocuments(std::shared_ptr<ApplicationState> state);

    // A new Writer document with the page, font and spacing of a new Word document.
    std::shared_ptr<word::Document> add() override;
    std::shared_ptr<word::Document> open(const QString &path) override;

private:
    std::shared_ptr<word::Document> load(const QString &url, const QString &action);

    std::shared_ptr<ApplicationState> m_state;
};

} // namespace engines::libreoffice
