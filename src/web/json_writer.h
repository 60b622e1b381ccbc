#pragma once
// A small JSON writer for what the bindings hand to the page: objects, arrays, strings, numbers and booleans,
// written in order. Strings arrive as UTF-8 and are escaped; the caller keeps keys and commas in order.
#include <string>
#include <string_view>
#include <type_traits>

namespace dorvik::web {

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    JsonWriter& Key(std::string_view key);
    JsonWriter& String(std::string_view utf8);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // The shorthand for a key and its value.
    template <typename T> JsonWriter& Field(std::string_view key, const T& value) {
        Key(key);
        if constexpr (std::is_same_v<T, bool>)
            return Bool(value);
        else if constexpr (std::is_integral_v<T>)
            return Number(static_cast<long long>(value));
        else
            return String(value);
    }

    const std::string& Text() const { return out_; }

private:
    void Separate();
    std::string out_;
    bool needComma_ = false;
};

} // namespace dorvik::web
