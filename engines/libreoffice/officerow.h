#pragma once

#include "automation/word/table.h"

#include <com/sun/star/text/XTextTable.hpp>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

class OfficeRow : public word::Row {
public:
    OfficeRow(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table, int index);

    // The row grows with its text beyond this height, as Word's "at least".
    void setHeight(double points) override;
    double height() const override;

private:
    std::shared_ptr<DocumentState> m_state;
    css::uno::Reference<css::text::XTextTable> m_table;
    int m_index;
};

} // namespace engines::libreoffice
