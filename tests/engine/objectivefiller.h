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
