#include "docxstyles.h"

#include "docxrunproperties.h"
#include "docxtable.h"

namespace engine {
namespace {

// Calibri 11 pt unkerned; 8 pt after each paragraph, lines 1.08 apart (259/240).
QByteArray normalRun()
{
    return "<w:rPr>" + DocxRunProperties::fonts(QStringLiteral("Calibri"))
        + "<w:kern w:val=\"0\"/><w:sz w:val=\"22\"/><w:szCs w:val=\"22\"/><w:lang w:val=\"en-US\"/></w:rPr>";
}

QByteArray normalParagraph()
{
    return "<w:pPr><w:widowControl/><w:spacing w:before=\"0\" w:after=\"160\" w:line=\"259\" w:lineRule=\"auto\"/>"
           "</w:pPr>";
}

QByteArray cellMargins()
{
    const QByteArray padding = QByteArray::number(DocxTable::cellPaddingTwips);
    return "<w:tblCellMar><w:top w:w=\"0\" w:type=\"dxa\"/><w:left w:w=\"" + padding
        + "\" w:type=\"dxa\"/><w:bottom w:w=\"0\" w:type=\"dxa\"/><w:right w:w=\"" + padding
        + "\" w:type=\"dxa\"/></w:tblCellMar>";
}

QByteArray gridBorders()
{
    QByteArray borders = "<w:tblBorders>";
    for (const char *side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        borders += QByteArray("<w:") + side + " w:val=\"single\" w:sz=\"4\" w:space=\"0\" w:color=\"auto\"/>";
    return borders + "</w:tblBorders>";
}

} // namespace

QByteArray DocxStyles::part()
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
           "<w:styles xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\">"
           "<w:docDefaults><w:rPrDefault>"
        + normalRun() + "</w:rPrDefault><w:pPrDefault>" + normalParagraph() + "</w:pPrDefault></w:docDefaults>"
        + "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Normal\"><w:name w:val=\"Normal\"/><w:qFormat/>"
        + normalParagraph() + normalRun() + "</w:style>"
        + "<w:style w:type=\"character\" w:default=\"1\" w:styleId=\"DefaultParagraphFont\">"
          "<w:name w:val=\"Default Paragraph Font\"/><w:uiPriority w:val=\"1\"/><w:semiHidden/><w:unhideWhenUsed/>"
          "</w:style>"
          "<w:style w:type=\"table\" w:default=\"1\" w:styleId=\"TableNormal\"><w:name w:val=\"Normal Table\"/>"
          "<w:uiPriority w:val=\"99\"/><w:semiHidden/><w:unhideWhenUsed/><w:tblPr><w:tblInd w:w=\"0\" "
          "w:type=\"dxa\"/>"
        + cellMargins()
        + "</w:tblPr></w:style>"
          "<w:style w:type=\"table\" w:styleId=\"TableGrid\"><w:name w:val=\"Table Grid\"/>"
          "<w:basedOn w:val=\"TableNormal\"/><w:uiPriority w:val=\"39\"/><w:tblPr>"
        + gridBorders() + "</w:tblPr></w:style></w:styles>";
}

} // namespace engine
