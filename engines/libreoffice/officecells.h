#pragma once

#include "automation/word/table.h"

#include <QStringList>
#include <com/sun/star/text/XTextTable.hpp>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

// The cells a selection touches, by Writer's cell names.
class OfficeCells : public word::Cells {
public:
    OfficeCells(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table,
                QStringList cellNames);

    // Merges the cells into the first; the caret then stands in the merged cell.
    void merge() override;
    void setVerticalAlignment(long alignment) override;
    std::shared_ptr<word::Borders> borders() override;

private:
    std::shared_ptr<DocumentState> m_state;
    css::uno::Reference<css::text::XTextTable> m_table;
    QStringList m_cellNames;
};

} // namespace engines::libreoffice
