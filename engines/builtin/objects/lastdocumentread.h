#pragma once

#include "model/documentmodel.h"

#include <QByteArray>

namespace engine {

// The document read last in this process, with the bytes it was read from.
// The preview opens the file it is handed twice, once for the page pictures
// and once to keep it open for zooming, and reading a long document costs far
// more than comparing its bytes with those read before.
class LastDocumentRead {
public:
    // The document `bytes` hold; read afresh unless they are the bytes read
    // last. Throws automation::Failure for what no reader accepts.
    static DocumentModel read(const QByteArray &bytes);
};

} // namespace engine
