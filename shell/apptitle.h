#pragma once

#include <QString>

namespace shell {

// The product name the title is made from.
QString productName();

// The title made from productName: cut before the last space at least once,
// then again while longer than 40 characters. A name with nothing to cut is
// kept whole.
QString titleFromProductName(const QString &productName);

// Makes the title from the product name and keeps it for appTitle.
void SetAppTitle();

// The application title: captions every message box that has none of its own.
QString appTitle();

// Tests put a title of their own in place, to see what SetAppTitle makes of it.
void setAppTitleForTesting(const QString &title);

} // namespace shell
