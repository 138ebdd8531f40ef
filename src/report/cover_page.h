#pragma once

#include <vector>

#include "report/page_canvas.h"
#include "report/pdf_report.h"

namespace ductora::report {

// The cover: who and where, the job and the pipe, the yield and the grading rule with its
// colours, the files that could not be read, and lines for signatures; from `top` down.
void DrawCover(const Canvas& canvas, double top, const ReportJob& job, const std::vector<JointRow>& rows);

}  // namespace ductora::report
