#pragma once
// The two reports of the print options window and the field lists of their pipelines: the list report
// (rptAll over tplAll, seven records a page) and the data sheet (rptSelected over tplSelection, one record).
// The pipelines name the same positions differently; each report names its own pipeline's fields.
#include "core/output/report_layout.h"
#include "report/report_definition.h"
#include "report/text_pipeline.h"

#include <vector>

namespace dorvik::report {

std::vector<PipelineField> ListPipelineFields();      // tplAll: 14 fields
std::vector<PipelineField> SelectionPipelineFields(); // tplSelection: 23 fields

ReportDefinition ListReport();      // rptAll
ReportDefinition DataSheetReport(); // rptSelected

} // namespace dorvik::report
