#pragma once

#include "fidelityrecords.h"

#include <QString>
#include <vector>

// Resume records nobody chose: every field empty or up to 2,000 characters
// long, the multi-line fields in several lines, and about a quarter of the
// fields written in Greek, Cyrillic, Chinese, Japanese, Arabic, Hebrew or
// accented Latin. The same seed always gives the same record.
class RandomRecords {
public:
    // The longest field a record holds, in characters.
    static constexpr int longestFieldCharacters = 2000;

    // The record of `seed`, named "Seed<seed>".
    static FidelityRecord record(unsigned seed);
    // The seeds to run: those in PARVOLIN_SEED (separated by commas) when it
    // names any; fresh ones when PARVOLIN_FRESH_SEED is set, as many as
    // PARVOLIN_RECORD_COUNT says or else `count`; otherwise `fixedSeeds`.
    static std::vector<unsigned> seeds(const std::vector<unsigned> &fixedSeeds, int count);
};
