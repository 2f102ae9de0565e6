#pragma once

#include "automation/word/table.h"

#include <com/sun/star/text/XTextTable.hpp>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

// One column of a table. Writer keeps column widths as separator positions
// across the table's width, so setting one width moves the separators after
// it and widens or narrows the table, as in Word.
class OfficeColumn : public word::Column {
public:
    OfficeColumn(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table, int index);

    void setWidth(double points) override;
    double width() const override;

private:
    std::vector<double> &widths() const;

    std::shared_ptr<DocumentState> m_state;
    css::uno::Reference<css::text::XTextTable> m_table;
    int m_index;
};

} // namespace engines::libreoffice
