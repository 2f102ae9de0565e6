#pragma once

#include <QByteArray>
#include <utility>
#include <vector>

namespace engine {

// The parts of an Office Open XML package, zipped into one file.
class DocxPackage {
public:
    // Adds the part `name` (a path inside the package, without a leading
    // slash) holding `bytes`; parts are stored in the order they are added.
    void add(const char *name, const QByteArray &bytes);
    // The zip file holding every part, deflated; throws automation::Failure
    // when the zip library fails.
    QByteArray zipped() const;

private:
    std::vector<std::pair<const char *, QByteArray>> m_parts;
};

} // namespace engine
