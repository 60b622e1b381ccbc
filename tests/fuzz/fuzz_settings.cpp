// The settings store (the registry's stand-in). The input is a settings file, then "@@" lines with a key
// path, a value name and a text. Properties: reading never fails; a file written from what was read reads
// back to the same content and writes out the same bytes; a value written to the store reads back after a
// restart with its type and text, and the values that were there before keep theirs.
#include "core/store/registry_file_store.h"
#include "core/store/registry_text.h"
#include "core/store/settings_store.h"
#include "core/store/tree_settings_store.h"
#include "fuzz_support.h"

using namespace dorvik;
using fuzz::Require;

namespace {

bool SameValue(const StoredValue& a, const StoredValue& b) {
    return a.type == b.type && (a.type != StoredValue::Type::String || a.text == b.text) &&
           (a.type != StoredValue::Type::Dword || a.number == b.number);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = fuzz::Parts(fuzz::AsText(data, size), 4);
    const auto parsed = ParseRegistryText(parts[0]);
    const auto text = FormatRegistryText(parsed.tree);
    const auto again = ParseRegistryText(text);
    Require(again.skippedLines == 0, "a file written by the store reads whole");
    Require(FormatRegistryText(again.tree) == text, "written, read and written again gives the same bytes");

    const auto file = fuzz::ScratchFolder() / "registry.reg";
    fuzz::WriteFile(file, parts[0]);
    RegistryFileStore store(file);
    const std::string key(parts[1]);
    const std::string name(parts[2]);
    const std::string value(parts[3]);
    // A value of the settings key that was there, to see that it survives the write.
    const auto kept = store.ReadValue(kSettingsKey, "Length");
    if (!store.WriteString(key, name, value)) {
        Require(!IsStorableName(key) || !IsStorableName(name) || !store.Writable(),
                "only unstorable names are refused");
        return 0;
    }
    const RegistryFileStore restarted(file);
    Require(restarted.SkippedLines() == 0, "the store's own file reads whole");
    const auto read = restarted.ReadValue(key, name);
    Require(read.has_value() && read->type == StoredValue::Type::String && read->text == value,
            "a value written reads back after a restart");
    Require(restarted.KeyExists(key), "the key of a value exists");
    const auto keptAfter = restarted.ReadValue(kSettingsKey, "Length");
    Require(kept.has_value() == keptAfter.has_value(), "other values survive a write");
    const bool overwritten =
        LowerCaseAscii(CurrentUserPath(key)) == LowerCaseAscii(CurrentUserPath(kSettingsKey)) &&
        EqualsNoCase(name, "Length");
    if (kept && !overwritten)
        Require(SameValue(*kept, *keptAfter), "other values keep their content");
    return 0;
}
