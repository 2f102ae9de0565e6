#include "layoutcache.h"

#include "model/documentmodel.h"

#include "automation/failure.h"

#include <QGuiApplication>

#include <atomic>

namespace engine {
namespace {

std::atomic<long> builtCount{0};

} // namespace

const DocumentLayout &LayoutCache::layout(const DocumentModel &model, long revision)
{
    // Without a GUI application Qt has no font database, and measuring text would crash.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        throw automation::Failure(QStringLiteral("Laying out pages needs fonts, and fonts need a running QGuiApplication."));
    if (!m_layout || m_revision != revision) {
        ParagraphMemo &memo = ParagraphMemo::shared();
        memo.beginLayout();
        m_layout = std::make_unique<DocumentLayout>(DocumentLayout::build(model, &memo));
        memo.endLayout();
        m_revision = revision;
        ++builtCount;
    }
    return *m_layout;
}

long LayoutCache::layoutsBuilt()
{
    return builtCount;
}

void LayoutCache::clear()
{
    m_layout.reset();
}

} // namespace engine
