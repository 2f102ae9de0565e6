#pragma once

#include <QByteArray>
#include <gtest/gtest.h>

// Succeeds when the two byte strings are equal; otherwise shows where they
// first differ, with some context, instead of two walls of bytes.
inline ::testing::AssertionResult sameBytes(const QByteArray &expected, const QByteArray &actual)
{
    if (expected == actual)
        return ::testing::AssertionSuccess();
    qsizetype at = 0;
    while (at < expected.size() && at < actual.size() && expected.at(at) == actual.at(at))
        ++at;
    const qsizetype from = std::max<qsizetype>(0, at - 60);
    return ::testing::AssertionFailure() << "bytes differ at " << at << " of " << expected.size() << "/"
                                         << actual.size() << "\nexpected: ..." << expected.mid(from, 120).toStdString()
                                         << "\nactual:   ..." << actual.mid(from, 120).toStdString();
}
