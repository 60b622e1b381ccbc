#pragma once
// Where an output goes as it is made, piece by piece, so that a large result is never held whole.
#include <functional>
#include <string>
#include <string_view>

namespace dorvik {

using TextSink = std::function<void(std::string_view)>;

// Collects what a writer writes into one text.
template <typename Writer> std::string CollectText(Writer&& writer) {
    std::string text;
    writer([&text](std::string_view part) { text += part; });
    return text;
}

} // namespace dorvik
