#pragma once
// The order and sameness of texts in the pick lists and the combo boxes: letter case is ignored for every
// letter of the data's 8-bit character set (Windows-1252; a text that is valid UTF-8 is read as UTF-8, as it
// is shown), and an accented letter sorts beside its base letter: "el" < "Él" < "ela". Texts that differ in
// more than letter case stay distinct ("el" and "él" are two entries, "Él" and "él" one).
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

struct TextSortKey {
    std::u32string Primary; // the letters without case and accents ("æ" as "ae"): compared first
    std::u32string Folded;  // the characters without case: equal exactly for texts that are the same
};
// Primary first, then Folded. (No <compare> here: the GUI's meta-object compiler reads this header.)
bool operator<(const TextSortKey& a, const TextSortKey& b);
bool operator==(const TextSortKey& a, const TextSortKey& b);

TextSortKey MakeTextSortKey(std::string_view text);

// Three-way: negative, zero (the same text ignoring letter case) or positive.
int CompareTextIgnoreCase(std::string_view a, std::string_view b);
bool SameTextIgnoreCase(std::string_view a, std::string_view b);

// Stable: texts that are the same ignoring letter case keep their order. Each key is made once.
void SortTextsIgnoreCase(std::vector<std::string>& texts);

} // namespace dorvik
