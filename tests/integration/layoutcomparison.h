#pragma once

// Our layout of a document against another program's PDF of it: as many
// pages, each starting with the same word, and the first word of every line
// within a tolerance of where we put it, across and down.
#include "libreofficepdf.h"

#include <QString>
#include <string>
#include <vector>

namespace engine {
struct DocumentModel;
class DocumentLayout;
} // namespace engine

// What a comparison found: every disagreement in words, and the largest offsets, in points.
struct LayoutComparison {
    std::vector<std::string> failures;
    double largestAcrossPoints = 0;
    double largestDownPoints = 0;
    // How many of our lines were compared.
    int lines = 0;

    bool agrees() const { return failures.empty(); }
};

// Compares `layout` of `model` with the words of a PDF of `pdfPageCount`
// pages, those that touch taken for one; a different page count or a line the PDF does not show ends the
// comparison there. PARVOLIN_SHOW_DEVIATIONS=1 prints every line's offset, even past
// a different page count, to show where the pages part.
LayoutComparison compareLayouts(const engine::DocumentModel &model, const engine::DocumentLayout &layout,
                                const std::vector<PdfWord> &pdfWords, int pdfPageCount,
                                double tolerancePoints = 1.5);

// Fails the running test for each disagreement `comparison` found and prints
// its summary for the record on paper `name`.
void reportComparison(const QString &name, const engine::DocumentLayout &layout, const LayoutComparison &comparison);

// Skips the running test when soffice is not installed; in CI, which installs
// it, its absence fails the test instead.
void requireLibreOffice();
