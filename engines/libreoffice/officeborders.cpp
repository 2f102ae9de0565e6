#include "officeborders.h"

#include "documentstate.h"
#include "officeborder.h"
#include "automation/word/constants.h"
#include "automation/failure.h"

namespace engines::libreoffice {

OfficeBorders::OfficeBorders(std::shared_ptr<DocumentState> state, css::uno::Reference<css::text::XTextTable> table,
                             QStringList cellNames)
    : m_state(std::move(state))
    , m_table(std::move(table))
    , m_cellNames(std::move(cellNames))
{
}

std::shared_ptr<word::Border> OfficeBorders::item(long side)
{
    m_state->ensureOpen();
    const char *property = nullptr;
    switch (side) {
    case word::wdBorderTop: property = "TopBorder"; break;
    case word::wdBorderLeft: property = "LeftBorder"; break;
    case word::wdBorderBottom: property = "BottomBorder"; break;
    case word::wdBorderRight: property = "RightBorder"; break;
    default:
        throw automation::Failure(QStringLiteral("The border side %1 is not one of top (-1), left (-2), bottom (-3) or "
                                         "right (-4).")
                              .arg(side));
    }
    return std::make_shared<OfficeBorder>(m_state, m_table, m_cellNames, property);
}

void OfficeBorders::setShadow(bool shadow)
{
    m_state->ensureOpen();
    if (shadow)
        throw automation::Failure(QStringLiteral("LibreOffice's table cells cannot carry a shadow."));
}

} // namespace engines::libreoffice
