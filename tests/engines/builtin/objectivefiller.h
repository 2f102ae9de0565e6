#pragma once

#include <QString>

// Paragraphs to append to a resume's objective so that its row runs over
// several pages: "P1 ...", "P2 ..." of one to four sentences each, every one
// starting on a line of its own.
inline QString objectiveFiller(int paragraphs)
{
    QString filler;
    const QString sentence = QStringLiteral("Planned, built and ran the systems that kept the orders moving. ");
    for (int i = 1; i <= paragraphs; ++i)
        filler += QStringLiteral("\r\nP%1 ").arg(i) + sentence.repeated(1 + i % 4);
    return filler;
}

// Paragraphs of 4 000 to 32 000 characters each, ordinary sentences without
// line breaks inside, as a resume pasted from elsewhere can hold: their lines
// are many, their paragraphs few.
inline QString longParagraphFiller(int paragraphs)
{
    QString filler;
    const QString sentence = QStringLiteral("Led the team that moved the warehouse systems to new hardware, on time. ");
    const int sizes[] = {4000, 8000, 16000, 32000};
    for (int i = 0; i < paragraphs; ++i) {
        const int size = sizes[i % 4];
        filler += QStringLiteral("\r\nL%1 ").arg(i + 1) + sentence.repeated(size / sentence.size() + 1).left(size);
    }
    return filler;
}
