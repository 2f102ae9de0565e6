#pragma once

#include "model/cellformat.h"
#include "model/rowformat.h"
#include "model/tableformat.h"

#include <QByteArray>

namespace engine {

// The properties of tables, rows and cells as WordprocessingML writes them.
class DocxTable {
public:
    // The cells' text padding left and right, 5.4 pt, as a new Word document has it.
    static constexpr int cellPaddingTwips = 108;

    // <w:tblPr> and <w:tblGrid> of `table`.
    static QByteArray start(const TableFormat &table);
    // <w:trPr> of `row`; empty when the row grows with its content alone.
    static QByteArray rowProperties(const RowFormat &row);
    // <w:tcPr> of `cell`, which begins at grid column `firstColumn` of `table`.
    static QByteArray cellProperties(const CellFormat &cell, const TableFormat &table, int firstColumn);

private:
    static QByteArray look(const TableFormat &table);
    static QByteArray borders(const CellFormat &cell);
    static QByteArray border(const char *side, const BorderLine &line, bool shadow);
};

} // namespace engine
