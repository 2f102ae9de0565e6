#pragma once

#include "numberinglevel.h"
#include "automation/word/listtemplate.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

// One level of a list template. Word's positions map onto Writer's
// label-alignment positions: the text (and the following lines) start at the
// text position, the first line's label at the number position.
class OfficeListLevel : public word::ListLevel {
public:
    OfficeListLevel(std::shared_ptr<DocumentState> state, QString styleName, int level);

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
    std::shared_ptr<DocumentState> m_state;
    QString m_styleName;
    int m_level;
    NumberingLevel m_numbering;
};

} // namespace engines::libreoffice
