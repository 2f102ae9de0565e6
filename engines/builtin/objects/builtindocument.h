#pragma once

#include "automation/word/document.h"

#include <memory>

namespace engine {

class DocumentState;

// A document open in a built-in application.
class BuiltInDocument : public word::Document {
public:
    explicit BuiltInDocument(std::shared_ptr<DocumentState> state);

    std::shared_ptr<word::Selection> activeWindowSelection() override;
    std::shared_ptr<word::Table> addTable(const std::shared_ptr<word::Range> &range, int numRows,
                                          int numColumns, long defaultTableBehavior,
                                          long autoFitBehavior) override;
    std::shared_ptr<word::ListTemplate> addListTemplate(const QString &name, bool outlineNumbered) override;

    void saveAs(const QString &path) override;
    void saveAs(const QString &path, long fileFormat) override;
    void close() override;
    void close(long saveChanges) override;

    void repaginate() override;
    QVariant builtInDocumentProperties(long index) override;
    std::shared_ptr<word::Range> range() override;
    QImage pagePicture(int page, double pixelsPerInch) override;
    QSizeF drawPage(int page, QPainter &painter) override;
    // The document's own layout as a PDF, text kept as text.
    QByteArray pdf() override;

    // The state shared by this document's objects, for tests that inspect the model.
    const std::shared_ptr<DocumentState> &state() const { return m_state; }

private:
    void closeWindow();

    std::shared_ptr<DocumentState> m_state;
};

} // namespace engine
