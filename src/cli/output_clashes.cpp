#include "cli/output_clashes.h"

#include "cli/output_target.h"
#include "cli/terminal_text.h"
#include "core/text/text_file.h"

#include <sys/stat.h>
#include <system_error>
#include <variant>

namespace dorvik::cli {

namespace {

using Identity = std::variant<std::pair<dev_t, ino_t>, std::string>;

Identity IdentityOf(const std::filesystem::path& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0)
        return std::pair{status.st_dev, status.st_ino};
    std::error_code ec;
    const auto resolved = std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec), ec);
    return (ec ? path : resolved).lexically_normal().string();
}

std::string Quoted(const std::filesystem::path& path) {
    return TerminalText(QuotedExcerpt(path.string()));
}

} // namespace

std::optional<std::string> OutputClash(const std::vector<NamedFile>& inputs,
                                       const std::vector<NamedFile>& outputs) {
    std::vector<std::pair<Identity, const NamedFile*>> seen;
    for (const NamedFile& input : inputs)
        if (!input.path.empty())
            seen.emplace_back(IdentityOf(input.path), &input);
    const std::size_t inputCount = seen.size();
    for (const NamedFile& output : outputs) {
        if (output.path.empty() || output.path == "-" || IsStreamFile(output.path))
            continue;
        const Identity identity = IdentityOf(output.path);
        for (std::size_t i = 0; i < seen.size(); ++i) {
            if (seen[i].first != identity)
                continue;
            const NamedFile& other = *seen[i].second;
            if (i < inputCount)
                return output.role + " " + Quoted(output.path) + " is " + other.role + " (" +
                       Quoted(other.path) + "): it would be replaced; name another file";
            return output.role + " " + Quoted(output.path) + " and " + other.role + " " + Quoted(other.path) +
                   " are the same file: name two files";
        }
        seen.emplace_back(identity, &output);
    }
    return std::nullopt;
}

} // namespace dorvik::cli
