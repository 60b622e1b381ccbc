#pragma once
// dorvik-query --check: the data files' problems, one a line, as FILE:LINE: message.
#include "cli/options.h"
#include "cli/query_run.h"

#include <iosfwd>

namespace dorvik::cli {

// Problems and warnings to out as they are found, at most options.maxProblems, then "and more" when there
// are; a file that cannot be read to err. 0 when there is no problem (warnings alone are no problem), 1 with
// problems, 2 when a file cannot be read.
int RunDataCheck(const QueryOptions& options, const ToolEnvironment& tool, std::ostream& out,
                 std::ostream& err);

} // namespace dorvik::cli
