#include "officelistlevelfont.h"

#include "unostring.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

#include <com/sun/star/awt/FontDescriptor.hpp>

using namespace css;

namespace engines::libreoffice {

OfficeListLevelFont::OfficeListLevelFont(std::shared_ptr<DocumentState> state, QString styleName, int level)
    : m_numbering(std::move(state), std::move(styleName), level)
{
}

void OfficeListLevelFont::set(word::FontProperty, double value)
{
    if (value != word::wdUndefined)
        throw automation::Failure(QStringLiteral("LibreOffice keeps no font format for a list level beyond its font name."));
}

double OfficeListLevelFont::get(word::FontProperty) const
{
    return word::wdUndefined;
}

void OfficeListLevelFont::setName(const QString &name)
{
    m_numbering.change(QStringLiteral("set the list level's font"), [&](NumberingLevel &level) {
        awt::FontDescriptor font;
        level.value("BulletFont") >>= font;
        font.Name = toOUString(name);
        level.set("BulletFont", uno::Any(font));
        level.set("BulletFontName", uno::Any(toOUString(name)));
    });
}

QString OfficeListLevelFont::name() const
{
    awt::FontDescriptor font;
    m_numbering.value("BulletFont") >>= font;
    return toQString(font.Name);
}

} // namespace engines::libreoffice
