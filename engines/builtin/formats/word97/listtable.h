#pragma once

#include "model/listdefinition.h"

#include <QByteArray>
#include <QStringList>
#include <functional>
#include <vector>

namespace engine {

class Grpprl;

// The document's list templates as Word 97 keeps them: the list table
// (PlfLst, each list's LSTF followed by its nine LVLs), one list override per
// list (PlfLfo) and the lists' names (SttbListNames).
class ListTable {
public:
    using FontIndex = std::function<int(const QString &)>;

    static QByteArray writeLists(const std::vector<ListDefinition> &lists, const FontIndex &fontIndex);
    static QByteArray writeOverrides(const std::vector<ListDefinition> &lists);
    static QByteArray writeNames(const std::vector<ListDefinition> &lists);
    // A level's indents and tab, as a paragraph in the list repeats them.
    static void addIndents(Grpprl &sprms, const ListLevelFormat &level);

    // The lists of a file's three structures; throws on anything the writer would not write.
    static std::vector<ListDefinition> read(const QByteArray &table, qint64 listsAt, qint64 listsLength,
                                            qint64 overridesAt, qint64 overridesLength, qint64 namesAt,
                                            qint64 namesLength, const QStringList &fonts);
};

} // namespace engine
