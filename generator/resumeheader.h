#pragma once

namespace generator {

class ResumeSelection;
class ResumeSession;

// Steps 106 to 270: the resume table of 18 rows and 3 columns with its widths,
// heights and style, then rows 1 to 5 (contact line, name, objective and the
// "Experience" heading). The selection ends in row 5.
void writeTableAndHeader(ResumeSession &session, ResumeSelection &selection);

} // namespace generator
