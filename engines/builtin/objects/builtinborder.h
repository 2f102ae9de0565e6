#pragma once

#include "model/borderline.h"
#include "automation/word/table.h"

#include <functional>
#include <memory>
#include <vector>

namespace engine {

class DocumentState;

// One side of the borders of a set of cells.
class BuiltInBorder : public word::Border {
public:
    BuiltInBorder(std::shared_ptr<DocumentState> state, std::vector<int> cellFormats, int side);

    void setLineStyle(long style) override;
    void setLineWidth(long width) override;
    void setColor(long color) override;

private:
    void change(const std::function<void(BorderLine &)> &apply);

    std::shared_ptr<DocumentState> m_state;
    std::vector<int> m_cellFormats;
    int m_side;
};

} // namespace engine
