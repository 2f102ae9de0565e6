#pragma once

#include "automation/word/table.h"

#include <QStringList>
#include <com/sun/star/table/BorderLine2.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <functional>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

// One side of the selected cells' borders.
class OfficeBorder : public word::Border {
public:
    OfficeBorder(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table,
                 QStringList cellNames, const char *sideProperty);

    void setLineStyle(long style) override;
    void setLineWidth(long width) override;
    void setColor(long color) override;

private:
    void change(const QString &action, const std::function<void(css::table::BorderLine2 &)> &edit);

    std::shared_ptr<DocumentState> m_state;
    css::uno::Reference<css::text::XTextTable> m_table;
    QStringList m_cellNames;
    const char *m_sideProperty;
};

} // namespace engines::libreoffice
