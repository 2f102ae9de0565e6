#pragma once

#include "automation/word/listtemplate.h"

#include <memory>

namespace engines::libreoffice {

class DocumentState;

// A list template kept in the document as a Writer numbering style of the
// same name, so it is saved with the document.
class OfficeListTemplate : public word::ListTemplate {
public:
    static std::shared_ptr<OfficeListTemplate> add(const std::shared_ptr<DocumentState> &state, const QString &name,
                                                   bool outlineNumbered);

    OfficeListTemplate(std::shared_ptr<DocumentState> state, QString name, QString styleName);

    QString name() const override { return m_name; }
    QString styleName() const { return m_styleName; }
    std::shared_ptr<word::ListLevel> listLevels(int level) override;

private:
    std::shared_ptr<DocumentState> m_state;
    QString m_name;
    QString m_styleName;
};

} // namespace engines::libreoffice
