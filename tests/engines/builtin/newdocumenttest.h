#pragma once

#include "builtinengine.h"

#include "automation/word/application.h"
#include "automation/word/document.h"
#include "automation/word/engine.h"
#include "automation/word/selection.h"

#include <gtest/gtest.h>

// A new, empty document of a built-in engine instance, and its selection;
// the instance quits after the test.
class NewDocumentTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        application = engine::builtInEngine()->create();
        document = application->documents()->add();
        selection = document->activeWindowSelection();
    }
    void TearDown() override { application->quit(); }

    std::shared_ptr<word::Application> application;
    std::shared_ptr<word::Document> document;
    std::shared_ptr<word::Selection> selection;
};
