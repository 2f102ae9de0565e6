#pragma once

#include "automation/word/table.h"

#include <memory>
#include <vector>

namespace engine {

class DocumentState;

// The cells the selection touched when they were taken.
class BuiltInCells : public word::Cells {
public:
    // `cellFormats` are the indices of the cells' formats in the story.
    BuiltInCells(std::shared_ptr<DocumentState> state, std::vector<int> cellFormats);

    void merge() override;
    void setVerticalAlignment(long alignment) override;
    std::shared_ptr<word::Borders> borders() override;

private:
    std::shared_ptr<DocumentState> m_state;
    std::vector<int> m_cellFormats;
};

} // namespace engine
