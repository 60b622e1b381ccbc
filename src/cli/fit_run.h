#pragma once
// dorvik-query --fit: the catalogue's coefficients of a line fitted to its datasheet table.
#include "cli/options.h"

#include <iosfwd>

namespace dorvik::cli {

// The coefficients and the table of points to out (text or JSON); 0 when fitted (a bad fit is warned about on
// err), 2 when the table cannot be read or fitted, with the reason on err.
int RunFit(const QueryOptions& options, std::ostream& out, std::ostream& err);

} // namespace dorvik::cli
