#include "builtinapplication.h"

#include "instanceregistry.h"
#include "word/error.h"

namespace engine {

BuiltInApplication::BuiltInApplication() = default;

BuiltInApplication::~BuiltInApplication()
{
    InstanceRegistry::remove(this);
}

QString BuiltInApplication::name() const
{
    return QString::fromLatin1(productName);
}

std::shared_ptr<word::Documents> BuiltInApplication::documents()
{
    ensureRunning();
    throw word::Error(QStringLiteral("The built-in word processor cannot hold documents yet."));
}

std::shared_ptr<word::Document> BuiltInApplication::activeDocument()
{
    ensureRunning();
    throw word::Error(QStringLiteral("There is no active document."));
}

std::shared_ptr<word::Selection> BuiltInApplication::selection()
{
    ensureRunning();
    throw word::Error(QStringLiteral("There is no active document, so there is no selection."));
}

double BuiltInApplication::inchesToPoints(double inches) const
{
    return inches * 72.0;
}

void BuiltInApplication::setDisplayAlerts(bool display)
{
    ensureRunning();
    m_displayAlerts = display;
}

void BuiltInApplication::quit()
{
    ensureRunning();
    m_quit = true;
    InstanceRegistry::remove(this);
}

void BuiltInApplication::ensureRunning() const
{
    if (m_quit)
        throw word::Error(QStringLiteral("The word processor instance has already quit."));
}

} // namespace engine
