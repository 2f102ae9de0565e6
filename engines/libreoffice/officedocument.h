#pragma once

#include "automation/word/document.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

class OfficeDocument : public word::Document {
public:
    explicit OfficeDocument(std::shared_ptr<DocumentState> state);

    std::shared_ptr<word::Selection> activeWindowSelection() override;
    std::shared_ptr<word::Table> addTable(const std::shared_ptr<word::Range> &range, int numRows, int numColumns,
                                          long defaultTableBehavior, long autoFitBehavior) override;
    std::shared_ptr<word::ListTemplate> addListTemplate(const QString &name, bool outlineNumbered) override;
    // Saves in the binary Word 97 format, whatever the name's extension.
    void saveAs(const QString &path) override;
    void saveAs(const QString &path, long fileFormat) override;
    void close() override;
    void close(long saveChanges) override;
    void repaginate() override;
    QVariant builtInDocumentProperties(long index) override;
    std::shared_ptr<word::Range> range() override;
    QImage pagePicture(int page, double pixelsPerInch) override;
    // LibreOffice's own PDF of the document, the one its page pictures come from.
    QByteArray pdf() override;

private:
    std::shared_ptr<DocumentState> m_state;
};

} // namespace engines::libreoffice
