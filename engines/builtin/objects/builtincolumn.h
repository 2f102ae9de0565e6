#pragma once

#include "automation/word/table.h"

#include <memory>

namespace engine {

class DocumentState;

// One column of a table's grid.
class BuiltInColumn : public word::Column {
public:
    BuiltInColumn(std::shared_ptr<DocumentState> state, int table, int column);

    void setWidth(double points) override;
    double width() const override;

private:
    std::shared_ptr<DocumentState> m_state;
    int m_table;
    int m_column;
};

} // namespace engine
