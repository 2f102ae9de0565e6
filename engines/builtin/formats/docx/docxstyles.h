#pragma once

#include <QByteArray>

namespace engine {

// word/styles.xml: the defaults of a new blank document and the styles the
// engine's documents use, every value spelled out so that any reader lays the
// page out alike.
class DocxStyles {
public:
    // The whole part.
    static QByteArray part();
};

} // namespace engine
