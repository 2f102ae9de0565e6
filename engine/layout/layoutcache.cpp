#include "layoutcache.h"

#include "automation/failure.h"

#include <QGuiApplication>

namespace engine {

const DocumentLayout &LayoutCache::layout(const DocumentModel &model, long revision)
{
    // Without a GUI application Qt has no font database, and measuring text would crash.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw automation::Failure(QStringLiteral("Laying out pages needs fonts, and fonts need a running QGuiApplication."));
    if (!m_layout || m_revision != revision) {
        m_layout = std::make_unique<DocumentLayout>(DocumentLayout::build(model));
        m_revision = revision;
    }
    return *m_layout;
}

void LayoutCache::clear()
{
    m_layout.reset();
}

} // namespace engine
