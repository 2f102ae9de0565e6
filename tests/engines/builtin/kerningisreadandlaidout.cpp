// A file that asks for kerning gets it at the sizes it names and keeps asking
// when saved again; text that does not ask is laid out unkerned.
#include "layout/documentlayout.h"
#include "formats/rtf/rtfreader.h"
#include "formats/rtf/rtfwriter.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

// One paragraph of pairs that Carlito kerns, at 16 pt, with `kerning` words before it.
QByteArray document(const QByteArray &kerning)
{
    return "{\\rtf1\\ansi\\deff0\\uc1{\\fonttbl{\\f0\\fswiss\\fcharset0\\fprq2 Calibri;}}{\\colortbl;}"
           "\\pard\\plain\\ql\\f0\\fs32"
           + kerning + " AVAWAY To Ty Va We Yo LT}";
}

// Where the caret stands after the paragraph's text, in twips.
double lineWidthTwips(const QByteArray &rtf)
{
    const DocumentModel model = RtfReader::read(rtf);
    const DocumentLayout layout = DocumentLayout::build(model);
    return layout.caretXTwips(layout.lines().at(0)).back();
}

} // namespace

TEST(KerningIsReadAndLaidOut, KernedPairsAreCloserOnlyFromTheSizeTheFileNames)
{
    const double plain = lineWidthTwips(document(""));
    EXPECT_DOUBLE_EQ(lineWidthTwips(document("\\kerning0")), plain);
    // Kerning from 16 pt on reaches this 16 pt text; from 16.5 pt on it does not.
    EXPECT_LT(lineWidthTwips(document("\\kerning32")), plain - 40);
    EXPECT_DOUBLE_EQ(lineWidthTwips(document("\\kerning33")), plain);
}

TEST(KerningIsReadAndLaidOut, SavingAgainKeepsTheKerningOfEachRun)
{
    const DocumentModel model = RtfReader::read(document("\\kerning28"));
    const QByteArray saved = RtfWriter::write(model);
    EXPECT_TRUE(saved.contains("\\fs32\\b0\\kerning28 ")) << saved.toStdString();
    // Text that never asked says so, so that no reader kerns it by its own default.
    const QByteArray unkerned = RtfWriter::write(RtfReader::read(document("")));
    EXPECT_TRUE(unkerned.contains("\\fs32\\b0\\kerning0 ")) << unkerned.toStdString();
}

TEST(KerningIsReadAndLaidOut, AKerningSizeOutOfRangeIsRefused)
{
    EXPECT_ANY_THROW(RtfReader::read(document("\\kerning-2")));
    EXPECT_ANY_THROW(RtfReader::read(document("\\kerning99999")));
}
