#pragma once
// The text layout of the settings file: that of a registry export ("REGEDIT4"), so a person can read it.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Veltrane\Dorvik\Settings]
//   "Length"="100"
//   "Save"=dword:00000001
//
// Texts are quoted with '\' and '"' escaped; a text holding a line break or a NUL is written as hex(1):
// (its bytes and a closing 00) so that it cannot break the layout. Values of any other type (hex:, hex(2):,
// ...) are kept as they stand and read as StoredValue::Type::Other.
#include "core/store/registry_tree.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace dorvik {

struct ParsedRegistry {
    RegistryTree tree;
    std::size_t skippedLines = 0; // lines that could not be read (damage, unknown roots, deletions)
};

// Never fails: a line that does not read is skipped, and so are the values below a key header that does not.
ParsedRegistry ParseRegistryText(std::string_view text);

// CR LF line ends, keys in tree order.
std::string FormatRegistryText(const RegistryTree& tree);

// A key path or value name the layout can carry: no CR, LF or NUL.
bool IsStorableName(std::string_view name);

} // namespace dorvik
