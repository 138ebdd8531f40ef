#pragma once

#include "analysis/grading/joint_figures.h"
#include "report/page_canvas.h"

namespace ductora::report {

// A joint's page from `top` down: its summary figures, the wall map, the Low Wall plot and the
// Slice at the thinnest spot, and the indications of its .ind file when there is one. Without
// the pipe (it could not be read again) the figures stand alone with a note.
void DrawJointPage(const Canvas& canvas, double top, const JointRow& row, const PipeFile* pipe,
                   const GradingRule& rule);

}  // namespace ductora::report
