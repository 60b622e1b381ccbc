#pragma once
// Outputs that would replace the run's own files: the query, the data files, or another output of the run.
// Files are compared by identity (device and inode), so a hard or a symbolic link is the file it names; a
// file that does not exist yet by its resolved path.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace dorvik::cli {

struct NamedFile {
    std::string role; // "--pdf", "the catalogue"
    std::filesystem::path path;
};

// The message for the first output that is an input or an output named before it; none when all differ.
// Standard output ("-"), FIFOs and character devices are streams, replaced by nothing; empty paths are
// files not given.
std::optional<std::string> OutputClash(const std::vector<NamedFile>& inputs,
                                       const std::vector<NamedFile>& outputs);

} // namespace dorvik::cli
