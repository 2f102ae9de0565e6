#pragma once

#include "automation/word/table.h"

#include <memory>

namespace engine {

class DocumentState;
struct BorderLine;
struct TableFormat;

// A table of a document.
class BuiltInTable : public word::Table {
public:
    BuiltInTable(std::shared_ptr<DocumentState> state, int table);

    std::shared_ptr<word::Column> columns(int index) override;
    std::shared_ptr<word::Row> rows(int index) override;

    // "Table Normal" draws no borders; "Table Grid" puts single 0.5 pt lines on every cell.
    void setStyle(const QString &styleName) override;
    QString style() const override;
    void setApplyStyleHeadingRows(bool apply) override;
    void setApplyStyleLastRow(bool apply) override;
    void setApplyStyleFirstColumn(bool apply) override;
    void setApplyStyleLastColumn(bool apply) override;

    // The borders a table style gives every cell.
    static BorderLine styleBorder(const QString &styleName);

private:
    // The table's format, to read; to change, which lays the document out again.
    const TableFormat &format() const;
    TableFormat &changeFormat();
    void setFlag(bool TableFormat::*flag, bool apply);

    std::shared_ptr<DocumentState> m_state;
    int m_table;
};

} // namespace engine
