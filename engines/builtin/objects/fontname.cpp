#include "fontname.h"

#include "automation/failure.h"

namespace engine {

void requireFontName(const QString &name)
{
    if (name.isEmpty() || name.size() > 31)
        throw automation::Failure(QStringLiteral("A font name must have 1 to 31 characters; \"%1\" has %2.")
                              .arg(name)
                              .arg(name.size()));
    for (const QChar c : name) {
        if (c.unicode() < 0x20 || c == QLatin1Char(';') || c.unicode() == 0x7F)
            throw automation::Failure(QStringLiteral("The font name \"%1\" holds a character a font name cannot "
                                             "hold (a control character or a semicolon).")
                                  .arg(name));
    }
}

} // namespace engine
