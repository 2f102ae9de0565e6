#pragma once

namespace entry {
class Form1;
}

namespace app {

// Joins the two windows: the create command of the data-entry window runs the
// generator and hands its document to the preview window, whose "< Back"
// brings the data-entry window back.
void connectCreateCommand(entry::Form1 &form1);

} // namespace app
