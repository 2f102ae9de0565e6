#pragma once

#include "storyposition.h"
#include "automation/word/table.h"

#include <com/sun/star/text/XTextTable.hpp>
#include <memory>

namespace engines::libreoffice {

class DocumentState;

class OfficeTable : public word::Table {
public:
    // Inserts a table of `rows` by `columns` at `at`, spread over the text
    // width, and puts the caret in its first cell.
    static std::shared_ptr<OfficeTable> insert(const std::shared_ptr<DocumentState> &state, StoryPosition at, int rows,
                                               int columns, long defaultTableBehavior, long autoFitBehavior);

    OfficeTable(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table);

    std::shared_ptr<word::Column> columns(int index) override;
    std::shared_ptr<word::Row> rows(int index) override;
    // Only Word's "Table Normal" is known: it draws no cell borders.
    void setStyle(const QString &styleName) override;
    QString style() const override;
    // Stored only: "Table Normal" has no heading-row, last-row or column formats to apply.
    void setApplyStyleHeadingRows(bool apply) override;
    void setApplyStyleLastRow(bool apply) override;
    void setApplyStyleFirstColumn(bool apply) override;
    void setApplyStyleLastColumn(bool apply) override;

private:
    std::shared_ptr<DocumentState> m_state;
    css::uno::Reference<css::text::XTextTable> m_table;
    QString m_style;
    bool m_styleFlags[4] = {};
};

} // namespace engines::libreoffice
