#pragma once
// A pass over a large file's lines in blocks of whole lines, so that a mapped file is read through one buffer
// rather than taken into memory page by page.
#include "core/text/file_bytes.h"

#include <cstddef>
#include <functional>
#include <string_view>

namespace dorvik {

// Visits the file's text in order as blocks of whole lines, while visit returns true: the lines of the blocks
// are the lines of the text under the rules of line_views.h, a NUL ending the text. Bytes held in memory are
// one block; a mapped file is read blockSize bytes at a time (more for a longer line), and each block is
// valid only during its visit.
void ForEachLineBlock(const FileBytes& bytes, std::size_t blockSize,
                      const std::function<bool(std::string_view)>& visit);

} // namespace dorvik
