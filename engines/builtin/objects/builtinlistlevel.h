#pragma once

#include "automation/word/listtemplate.h"

#include <functional>
#include <memory>

namespace engine {

class DocumentState;
struct ListLevelFormat;

// One level of a document's list template. A numeric value of wdUndefined
// leaves the setting as it is.
class BuiltInListLevel : public word::ListLevel {
public:
    BuiltInListLevel(std::shared_ptr<DocumentState> state, int list, int level);

    void setNumberFormat(const QString &format) override;
    void setTrailingCharacter(long trailing) override;
    void setNumberStyle(long style) override;
    void setNumberPosition(double points) override;
    void setAlignment(long alignment) override;
    void setTextPosition(double points) override;
    void setTabPosition(double points) override;
    void setResetOnHigher(long level) override;
    void setStartAt(long start) override;
    void setLinkedStyle(const QString &style) override;
    std::shared_ptr<word::Font> font() override;

private:
    void change(const std::function<void(ListLevelFormat &)> &apply);
    void changePosition(double points, const QString &what, double ListLevelFormat::*member);

    std::shared_ptr<DocumentState> m_state;
    int m_list;
    int m_level;
};

} // namespace engine
