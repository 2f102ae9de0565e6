#pragma once

#include <QByteArray>

namespace engine {

// The summary streams every Word document carries (\005SummaryInformation and
// \005DocumentSummaryInformation): property sets holding the code page.
class PropertySetWriter {
public:
    static QByteArray summaryInformation();
    static QByteArray documentSummaryInformation();
};

} // namespace engine
