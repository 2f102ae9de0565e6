#pragma once

// Word's published enumeration values, with the same numbers, so that calls read
// as they would against Word itself.
namespace word {

constexpr long True = -1;
constexpr long False = 0;
constexpr long wdUndefined = 9999999;

enum WdUnits : long {
    wdCharacter = 1,
    wdWord = 2,
    wdSentence = 3,
    wdParagraph = 4,
    wdLine = 5,
    wdStory = 6,
    wdCell = 12,
};

enum WdMovementType : long { wdMove = 0, wdExtend = 1 };

enum WdParagraphAlignment : long {
    wdAlignParagraphLeft = 0,
    wdAlignParagraphCenter = 1,
    wdAlignParagraphRight = 2,
    wdAlignParagraphJustify = 3,
};

enum WdCellVerticalAlignment : long {
    wdCellAlignVerticalTop = 0,
    wdCellAlignVerticalCenter = 1,
    wdCellAlignVerticalBottom = 3,
};

enum WdBorderType : long {
    wdBorderTop = -1,
    wdBorderLeft = -2,
    wdBorderBottom = -3,
    wdBorderRight = -4,
};

enum WdLineStyle : long { wdLineStyleNone = 0, wdLineStyleSingle = 1 };

// Border widths in eighths of a point.
enum WdLineWidth : long {
    wdLineWidth025pt = 2,
    wdLineWidth050pt = 4,
    wdLineWidth075pt = 6,
    wdLineWidth100pt = 8,
    wdLineWidth150pt = 12,
    wdLineWidth225pt = 18,
    wdLineWidth300pt = 24,
    wdLineWidth450pt = 36,
    wdLineWidth600pt = 48,
};

enum WdColor : long { wdColorAutomatic = -16777216, wdColorBlack = 0 };

enum WdDefaultTableBehavior : long { wdWord8TableBehavior = 0, wdWord9TableBehavior = 1 };
enum WdAutoFitBehavior : long { wdAutoFitFixed = 0, wdAutoFitContent = 1, wdAutoFitWindow = 2 };

enum WdTrailingCharacter : long { wdTrailingTab = 0, wdTrailingSpace = 1, wdTrailingNone = 2 };
enum WdListNumberStyle : long { wdListNumberStyleArabic = 0, wdListNumberStyleBullet = 23 };
enum WdListLevelAlignment : long { wdListLevelAlignLeft = 0, wdListLevelAlignCenter = 1, wdListLevelAlignRight = 2 };
enum WdListApplyTo : long { wdListApplyToWholeList = 0, wdListApplyToSelection = 1, wdListApplyToThisPointForward = 2 };
enum WdDefaultListBehavior : long { wdWord8ListBehavior = 0, wdWord9ListBehavior = 1, wdWord10ListBehavior = 2 };

enum WdGoToItem : long { wdGoToPage = 1, wdGoToLine = 3 };
enum WdGoToDirection : long { wdGoToAbsolute = 1, wdGoToFirst = 1, wdGoToNext = 2, wdGoToRelative = 2, wdGoToPrevious = 3, wdGoToLast = -1 };

enum WdSaveOptions : long { wdDoNotSaveChanges = 0, wdSaveChanges = -1, wdPromptToSaveChanges = -2 };

enum WdBuiltInProperty : long { wdPropertyPages = 14 };

enum WdSaveFormat : long { wdFormatDocument = 0, wdFormatRTF = 6, wdFormatXMLDocument = 12, wdFormatPDF = 17 };

} // namespace word
