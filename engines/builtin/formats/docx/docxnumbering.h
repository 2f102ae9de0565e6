#pragma once

#include "model/listdefinition.h"

#include <QByteArray>
#include <vector>

namespace engine {

// word/numbering.xml: each list template of the document as an abstract
// numbering, and one numbering instance of each, numbered from 1.
class DocxNumbering {
public:
    // The whole part for `lists`.
    static QByteArray part(const std::vector<ListDefinition> &lists);
    // The tab a paragraph of `level` takes (<w:tabs>).
    static QByteArray levelTabs(const ListLevelFormat &level);
    // The indents a paragraph of `level` takes (<w:ind>).
    static QByteArray levelIndents(const ListLevelFormat &level);

private:
    static QByteArray abstractNumbering(const ListDefinition &list, int id);
    static QByteArray level(const ListLevelFormat &level, int index);
};

} // namespace engine
