#include "selectedcases.h"

#include <gtest/gtest.h>

bool caseWillRun(const QString &caseName)
{
    const testing::TestSuite *suite = testing::UnitTest::GetInstance()->current_test_suite();
    if (!suite)
        return true;
    const std::string ending = "/" + caseName.toStdString();
    for (int i = 0; i < suite->total_test_count(); ++i) {
        const testing::TestInfo *test = suite->GetTestInfo(i);
        const std::string name = test->name();
        const bool named = name.size() >= ending.size()
                           && name.compare(name.size() - ending.size(), ending.size(), ending) == 0;
        if (named && test->should_run())
            return true;
    }
    return false;
}
