#pragma once

#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QString>
#include <memory>
#include <random>

// Builds a random document through the automation interface from a seed, so
// that a failure can be replayed: tables with merged cells and borders, list
// templates, fonts, alignments, and text from every corner of Unicode that
// could trouble a file format.
class RandomDocument {
public:
    RandomDocument(word::Application &application, unsigned seed);

    std::shared_ptr<word::Document> build();
    QString randomText(int maximumLength);

private:
    int below(int bound);
    void step();
    void addTable();
    void formatCells();
    void changeFont();
    void addList();
    void applyList();

    word::Application &m_application;
    std::mt19937 m_random;
    std::shared_ptr<word::Document> m_document;
    std::shared_ptr<word::Selection> m_selection;
    std::vector<std::shared_ptr<word::ListTemplate>> m_lists;
};
