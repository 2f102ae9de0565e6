#pragma once

namespace generator {

class ResumeSelection;
class ResumeSession;

// Steps 272 to 580, from row 5 on: the bullet list template, the three job
// blocks (rows 6 to 13), education (rows 14 to 16) and references (rows 17
// and 18). The selection ends in row 18.
void writeSections(ResumeSession &session, ResumeSelection &selection);

} // namespace generator
