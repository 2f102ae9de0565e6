#pragma once

#include "automation/word/font.h"

#include <memory>

namespace engine {

class DocumentState;
struct ListLevelFormat;

// The font of a list level's number or bullet. wdUndefined leaves a property as it is.
class ListLevelFont : public word::Font {
public:
    ListLevelFont(std::shared_ptr<DocumentState> state, int list, int level);

    void set(word::FontProperty property, double value) override;
    double get(word::FontProperty property) const override;
    void setName(const QString &name) override;
    QString name() const override;

private:
    // The level, to read; to change, which lays the document out again.
    const ListLevelFormat &level() const;
    ListLevelFormat &changeLevel();

    std::shared_ptr<DocumentState> m_state;
    int m_list;
    int m_level;
};

} // namespace engine
