#pragma once

#include "automation/word/table.h"

#include <QStringList>
#include <com/sun/star/text/XTextTable.hpp>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

class OfficeBorders : public word::Borders {
public:
    OfficeBorders(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table,
                  QStringList cellNames);

    std::shared_ptr<word::Border> item(long side) override;
    // Writer's table cells carry no shadow, so only "no shadow" can be had.
    void setShadow(bool shadow) override;

private:
    std::shared_ptr<DocumentState> m_state;
    css::uno::Reference<css::text::XTextTable> m_table;
    QStringList m_cellNames;
};

} // namespace engines::libreoffice
