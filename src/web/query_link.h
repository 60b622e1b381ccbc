#pragma once
// A query in the page's address: the fragment "#BegFreq=800&EndFreq=1000&ByFreq=True&..." holds the keys of a
// query file with URL-encoded values. It becomes the text of a query file, which the page then runs as the
// desktop program runs a query file given on its command line.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik::web {

// "%41" and "+" decoded ("+" is a space, as forms encode it); nothing when an escape is malformed.
std::optional<std::string> DecodeUrlComponent(std::string_view text);

// The query file of a fragment (with or without its "#"): section [data], one "key=value" line each, the
// values in the data files' 8-bit characters. Pairs that do not decode, have no key, or whose key or value
// holds a line break or NUL are left out, so that no pair adds a line or a section of its own. Nothing when
// no pair is left.
std::optional<std::string> QueryFileOfFragment(std::string_view fragment);

// The pairs of a fragment (as written) that hold a key but do not decode or hold a line break or NUL: a link
// with any of them is refused rather than run with a value read as 0.
std::vector<std::string> UnreadablePairs(std::string_view fragment);

} // namespace dorvik::web
