#pragma once

// ctest runs each case of a parameterised suite in a process of its own; a
// suite that prepares its records once for all cases would then prepare every
// record for every case. The suites prepare only the cases this run runs.
#include <QString>

// Whether this run runs the case of the current test suite whose name ends
// in "/`caseName`"; to be asked in SetUpTestSuite.
bool caseWillRun(const QString &caseName);
