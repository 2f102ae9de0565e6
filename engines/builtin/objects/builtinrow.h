#pragma once

#include "automation/word/table.h"

#include <memory>

namespace engine {

class DocumentState;

// One row of a table.
class BuiltInRow : public word::Row {
public:
    BuiltInRow(std::shared_ptr<DocumentState> state, int rowFormat);

    void setHeight(double points) override;
    double height() const override;

private:
    std::shared_ptr<DocumentState> m_state;
    int m_rowFormat;
};

} // namespace engine
