#pragma once

#include <memory>

namespace entry {
class Form1;
}

namespace preview {
class Form2;
}

namespace app {

// Joins the two windows: the create command of the data-entry window runs the
// generator and hands its document to the preview window, whose "< Back"
// brings the data-entry window back. The preview window is made (hidden,
// loaded) in `form2` on first use; whoever holds `form2` decides how long it
// lives, so it can go before the application object does.
void connectCreateCommand(entry::Form1 &form1, std::unique_ptr<preview::Form2> &form2);

// The preview window in `form2`, made and joined to `form1` on first use.
preview::Form2 &previewWindow(entry::Form1 &form1, std::unique_ptr<preview::Form2> &form2);

} // namespace app
