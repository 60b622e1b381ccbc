#pragma once
// dorvik-query --check: the data files' problems, one a line, as FILE:LINE: message.
#include "cli/options.h"
#include "cli/query_run.h"

#include <iosfwd>

namespace dorvik::cli {

// Problems to out; a file that cannot be read to err. 0 when clean, 1 with problems, 2 when a file cannot be
// read.
int RunDataCheck(const QueryOptions& options, const ToolEnvironment& tool, std::ostream& out,
                 std::ostream& err);

} // namespace dorvik::cli
