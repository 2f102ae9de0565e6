#pragma once

#include <QIcon>

namespace shell {

// The program's own icon, shown by both windows.
QIcon applicationIcon();

} // namespace shell
