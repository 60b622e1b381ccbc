// dorvik-query built without Qt: --print is refused with a message.
#include "cli/print_run.h"

#include "core/errors.h"

namespace dorvik::cli {

int PrintResults(TfrmMain&, const QueryOptions&, std::ostream&) {
    throw DorvikError("This dorvik-query was built without the report engine: --print is not available");
}

} // namespace dorvik::cli
