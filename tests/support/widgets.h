#pragma once

#include <QWidget>
#include <gtest/gtest.h>

namespace testsupport {

// The control named `name` in `window`, found as a user's tools would find it:
// by its name. A missing control fails the test at once.
template <typename T>
T *child(const QWidget &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        ADD_FAILURE() << "the window has no control named " << name;
    return found;
}

} // namespace testsupport
