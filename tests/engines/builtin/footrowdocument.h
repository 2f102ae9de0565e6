#pragma once

#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QString>
#include <memory>

// A two-row table whose first row, a filler of a given height, walks the
// second row down towards the foot of the first page.
class FootRowDocument {
public:
    // Adds the document to `application`; `minimumPoints` 0 leaves the second row without a minimum height.
    FootRowDocument(word::Application &application, int fillerPoints, int minimumPoints, const QString &firstCell,
                    const QString &secondCell);

    word::Document &document() const { return *m_document; }

private:
    std::shared_ptr<word::Document> m_document;
};
