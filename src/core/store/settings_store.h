#pragma once
// The per-user settings store: the registry's stand-in. Keys are paths such as
// "\Software\Veltrane\Dorvik\Settings"; values are typed (text or 32-bit number).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

inline constexpr std::string_view kCommonFilesKey = "\\Software\\Veltrane\\Common Files";
inline constexpr std::string_view kSettingsKey = "\\Software\\Veltrane\\Dorvik\\Settings";

struct StoredValue {
    enum class Type { String, Dword, Other };
    Type type = Type::String;
    std::string text;         // Type::String
    std::uint32_t number = 0; // Type::Dword
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;

    virtual bool KeyExists(std::string_view key) const = 0;
    // nullopt when the key or the value is missing.
    virtual std::optional<StoredValue> ReadValue(std::string_view key, std::string_view name) const = 0;

    // The writing side; each returns false on failure and changes nothing then.
    virtual bool CreateKey(std::string_view key) = 0;
    virtual bool WriteString(std::string_view key, std::string_view name, std::string_view text) = 0;
    virtual bool WriteDword(std::string_view key, std::string_view name, std::uint32_t value) = 0;
};

} // namespace dorvik
