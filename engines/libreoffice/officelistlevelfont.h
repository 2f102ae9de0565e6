#pragma once

#include "numberinglevel.h"
#include "automation/word/font.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

// The font of a list level's number or bullet. Writer keeps only the
// bullet's font name per level; every other property can only be left
// undefined (9999999), which keeps the paragraph's own format for the label.
class OfficeListLevelFont : public word::Font {
public:
    OfficeListLevelFont(std::shared_ptr<DocumentState> state, QString styleName, int level);

    void set(word::FontProperty property, double value) override;
    double get(word::FontProperty property) const override;
    void setName(const QString &name) override;
    QString name() const override;

private:
    NumberingLevel m_numbering;
};

} // namespace engines::libreoffice
