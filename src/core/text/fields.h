#pragma once
// The "|"-terminated field syntax shared by the three data files.
#include "core/text/trim.h"

#include <string>
#include <string_view>

namespace dorvik {

// Field n (from 1) as it stands: the text between the (n-1)-th and the n-th '|'. A field whose terminating
// '|' is missing reads as empty.
std::string_view RawFieldOf(std::string_view line, int n);

// Field n, trimmed.
std::string FieldOf(std::string_view line, int n);

// An empty line, or one beginning with a space, '#', ';', '[', '^', '`', '{' or '~'.
bool IsSkippedLine(std::string_view line);

} // namespace dorvik
