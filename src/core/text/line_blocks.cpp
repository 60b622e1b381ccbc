#include "core/text/line_blocks.h"

#include "core/text/large_memory.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace dorvik {

void ForEachLineBlock(const FileBytes& bytes, std::size_t blockSize,
                      const std::function<bool(std::string_view)>& visit) {
    if (!bytes.Mapped()) {
        visit(bytes.View());
        return;
    }
    const std::size_t size = bytes.View().size();
    std::vector<char, LargeAllocator<char>> buffer(std::max<std::size_t>(blockSize, 2));
    std::size_t kept = 0; // the start of a line carried over from the block before, at the buffer's start
    std::size_t offset = 0;
    for (;;) {
        if (kept == buffer.size())
            buffer.resize(buffer.size() * 2); // a line longer than the buffer
        const std::string_view read = bytes.Read(offset, buffer.size() - kept, buffer.data() + kept);
        offset += read.size();
        const std::string_view text(buffer.data(), kept + read.size());
        if (const auto nul = text.find('\0', kept); nul != std::string_view::npos) {
            visit(text.substr(0, nul));
            return;
        }
        if (offset >= size) {
            if (!text.empty())
                visit(text);
            return;
        }
        // Up to the last LF, so that no CR LF is split; in a text of lone CRs, up to the last CR that is not
        // the block's last byte, which an LF could follow.
        std::size_t end = text.rfind('\n');
        if (end == std::string_view::npos)
            end = text.substr(0, text.size() - 1).rfind('\r');
        if (end == std::string_view::npos) {
            kept = text.size();
            continue;
        }
        if (!visit(text.substr(0, end + 1)))
            return;
        kept = text.size() - end - 1;
        std::memmove(buffer.data(), buffer.data() + end + 1, kept);
    }
}

} // namespace dorvik
