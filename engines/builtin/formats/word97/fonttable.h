#pragma once

#include "model/documentmodel.h"

#include <QByteArray>
#include <QStringList>

namespace engine {

// The document's fonts, numbered as the character sprms refer to them, and
// their table (SttbfFfn) in the file.
class FontTable {
public:
    // The standard fonts first, so their numbers never change, then every
    // other font `model` uses, in order of appearance.
    explicit FontTable(const DocumentModel &model);

    int index(const QString &name) const { return static_cast<int>(m_names.indexOf(name)); }
    // The SttbfFfn bytes.
    QByteArray write() const;
    // The font names of an SttbfFfn.
    static QStringList read(const QByteArray &table);

private:
    void add(const QString &name);

    QStringList m_names;
};

} // namespace engine
