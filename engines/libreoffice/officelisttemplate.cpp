#include "officelisttemplate.h"

#include "documentstate.h"
#include "officelistlevel.h"
#include "unocall.h"
#include "unostring.h"

#include <com/sun/star/container/XNameContainer.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

// Writer numbering styles have nine levels, as Word's list templates do.
constexpr int levelCount = 9;

} // namespace

std::shared_ptr<OfficeListTemplate> OfficeListTemplate::add(const std::shared_ptr<DocumentState> &state,
                                                            const QString &name, bool)
{
    // Every Writer numbering style has all levels, so an outline-numbered
    // template needs nothing more than a plain one.
    return unoCall(QStringLiteral("add the list template \"%1\"").arg(name), [&] {
        const uno::Reference<style::XStyleFamiliesSupplier> supplier(state->document(), uno::UNO_QUERY_THROW);
        const uno::Reference<container::XNameContainer> styles(supplier->getStyleFamilies()->getByName("NumberingStyles"),
                                                               uno::UNO_QUERY_THROW);
        // Word allows two templates of one name; Writer's styles need distinct ones.
        QString styleName = name.isEmpty() ? QStringLiteral("List") : name;
        for (int suffix = 2; styles->hasByName(toOUString(styleName)); ++suffix)
            styleName = (name.isEmpty() ? QStringLiteral("List") : name) + QLatin1Char(' ') + QString::number(suffix);
        const uno::Reference<lang::XMultiServiceFactory> factory(state->document(), uno::UNO_QUERY_THROW);
        styles->insertByName(toOUString(styleName), uno::Any(factory->createInstance("com.sun.star.style.NumberingStyle")));
        return std::make_shared<OfficeListTemplate>(state, name, styleName);
    });
}

OfficeListTemplate::OfficeListTemplate(std::shared_ptr<DocumentState> state, QString name, QString styleName)
    : m_state(std::move(state))
    , m_name(std::move(name))
    , m_styleName(std::move(styleName))
{
}

std::shared_ptr<word::ListLevel> OfficeListTemplate::listLevels(int level)
{
    m_state->ensureOpen();
    if (level < 1 || level > levelCount)
        throw automation::Failure(QStringLiteral("A list template has levels 1 to %1; there is no level %2.")
                              .arg(levelCount)
                              .arg(level));
    return std::make_shared<OfficeListLevel>(m_state, m_styleName, level - 1);
}

} // namespace engines::libreoffice
