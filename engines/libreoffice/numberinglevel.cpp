#include "numberinglevel.h"

#include "documentstate.h"
#include "unocall.h"
#include "unostring.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexReplace.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

uno::Reference<beans::XPropertySet> numberingStyle(const uno::Reference<text::XTextDocument> &document, const QString &name)
{
    const uno::Reference<style::XStyleFamiliesSupplier> supplier(document, uno::UNO_QUERY_THROW);
    const uno::Reference<container::XNameAccess> styles(supplier->getStyleFamilies()->getByName("NumberingStyles"),
                                                        uno::UNO_QUERY_THROW);
    return uno::Reference<beans::XPropertySet>(styles->getByName(toOUString(name)), uno::UNO_QUERY_THROW);
}

} // namespace

NumberingLevel::NumberingLevel(std::shared_ptr<DocumentState> state, QString styleName, int level)
    : m_state(std::move(state))
    , m_styleName(std::move(styleName))
    , m_level(level)
{
}

NumberingLevel::Properties NumberingLevel::read() const
{
    const auto rules = numberingStyle(m_state->document(), m_styleName)->getPropertyValue("NumberingRules");
    const uno::Reference<container::XIndexReplace> levels(rules, uno::UNO_QUERY_THROW);
    Properties properties;
    levels->getByIndex(m_level) >>= properties;
    return properties;
}

uno::Any NumberingLevel::value(const char *name) const
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("read the list level"), [&] {
        const rtl::OUString wanted = rtl::OUString::createFromAscii(name);
        for (const auto &property : read())
            if (property.Name == wanted)
                return property.Value;
        return uno::Any();
    });
}

void NumberingLevel::change(const QString &action, const std::function<void(NumberingLevel &)> &edit)
{
    m_state->ensureOpen();
    unoCall(action, [&] {
        const auto style = numberingStyle(m_state->document(), m_styleName);
        const uno::Reference<container::XIndexReplace> levels(style->getPropertyValue("NumberingRules"), uno::UNO_QUERY_THROW);
        levels->getByIndex(m_level) >>= m_editing;
        edit(*this);
        levels->replaceByIndex(m_level, uno::Any(m_editing));
        style->setPropertyValue("NumberingRules", uno::Any(levels));
    });
    m_state->markModified();
}

void NumberingLevel::set(const char *name, const uno::Any &value)
{
    const rtl::OUString wanted = rtl::OUString::createFromAscii(name);
    beans::PropertyValue *properties = m_editing.getArray();
    for (sal_Int32 index = 0; index < m_editing.getLength(); ++index) {
        if (properties[index].Name == wanted) {
            properties[index].Value = value;
            return;
        }
    }
    const sal_Int32 size = m_editing.getLength();
    m_editing.realloc(size + 1);
    m_editing.getArray()[size] = namedValue(name, value);
}

} // namespace engines::libreoffice
