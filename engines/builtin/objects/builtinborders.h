#pragma once

#include "automation/word/table.h"

#include <memory>
#include <vector>

namespace engine {

class DocumentState;

// The borders of a set of cells.
class BuiltInBorders : public word::Borders {
public:
    BuiltInBorders(std::shared_ptr<DocumentState> state, std::vector<int> cellFormats);

    std::shared_ptr<word::Border> item(long side) override;
    void setShadow(bool shadow) override;

private:
    std::shared_ptr<DocumentState> m_state;
    std::vector<int> m_cellFormats;
};

} // namespace engine
