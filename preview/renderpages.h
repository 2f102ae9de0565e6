#pragma once

#include <QString>
#include <functional>

namespace preview {

class Form2;

// Opens the document at `path` in a word-processor instance of its own and
// gives `form` one list item ("Page k") and one page picture per page, after
// whatever the list already holds; at least one. `setBusy` runs at the start
// of every page. Throws the failure of the step that failed; pages made
// before it stay.
void RenderPages(const QString &path, Form2 &form, const std::function<void()> &setBusy);

} // namespace preview
