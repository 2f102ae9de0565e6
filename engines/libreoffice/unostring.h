#pragma once

#include <QString>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/Sequence.hxx>
#include <initializer_list>
#include <rtl/ustring.hxx>

namespace engines::libreoffice {

// Both string types hold UTF-16, so the conversions copy code units as they are.
inline QString toQString(const rtl::OUString &text)
{
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(text.getStr()), text.getLength());
}

inline rtl::OUString toOUString(const QString &text)
{
    return rtl::OUString(reinterpret_cast<const sal_Unicode *>(text.utf16()), static_cast<sal_Int32>(text.size()));
}

inline css::beans::PropertyValue namedValue(const char *name, const css::uno::Any &value)
{
    css::beans::PropertyValue property;
    property.Name = rtl::OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

// The same object as a plainer interface it derives from (UNO's references
// convert only explicitly outside LibreOffice itself).
template <typename Base, typename Derived>
css::uno::Reference<Base> as(const css::uno::Reference<Derived> &object)
{
    return css::uno::Reference<Base>(static_cast<Base *>(object.get()));
}

inline css::uno::Sequence<css::beans::PropertyValue> propertyList(std::initializer_list<css::beans::PropertyValue> values)
{
    return css::uno::Sequence<css::beans::PropertyValue>(values.begin(), static_cast<sal_Int32>(values.size()));
}

// LibreOffice measures in hundredths of a millimetre, the automation interface in points.
inline sal_Int32 pointsToHundredthMm(double points)
{
    return static_cast<sal_Int32>(points * 2540.0 / 72.0 + (points >= 0 ? 0.5 : -0.5));
}

inline double hundredthMmToPoints(sal_Int32 hundredths)
{
    return hundredths * 72.0 / 2540.0;
}

} // namespace engines::libreoffice
