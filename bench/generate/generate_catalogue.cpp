// Writes a large catalogue and price list for the load benchmark script:
//   dorvik_generate_catalogue FOLDER [TRANSMISSION_LINES [CONNECTORS_PER_LINE [PRICE_LINES [ORDER]]]]
// ORDER of the price lines: catalogue (the default), sorted or shuffled.
// Prints the size of the two files together in bytes.
#include "../catalogue_generator.h"

#include <charconv>
#include <cstdio>
#include <exception>
#include <string_view>
#include <utility>

namespace {

bool ReadCount(const char* text, int& value) {
    const std::string_view digits(text);
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return error == std::errc() && end == digits.data() + digits.size() && value > 0;
}

bool ReadOrder(std::string_view text, dorvik::bench::PriceOrder& order) {
    using dorvik::bench::PriceOrder;
    for (const auto& [name, value] :
         {std::pair{"catalogue", PriceOrder::Catalogue}, std::pair{"sorted", PriceOrder::Sorted},
          std::pair{"shuffled", PriceOrder::Shuffled}}) {
        if (text == name) {
            order = value;
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    dorvik::bench::GeneratorPlan plan;
    int* counts[] = {&plan.TransmissionLines, &plan.ConnectorsPerLine, &plan.PriceLines};
    const char* name = argc > 0 ? argv[0] : "dorvik_generate_catalogue";
    const std::string_view first = argc > 1 ? argv[1] : "";
    // An option is never taken for the folder (a folder named --help of a hundred megabytes).
    if (first == "--help" || first == "-h") {
        std::printf("usage: %s FOLDER [TRANSMISSION_LINES [CONNECTORS_PER_LINE [PRICE_LINES [ORDER]]]]\n",
                    name);
        return 0;
    }
    if (argc < 2 || argc > 6 || first.starts_with('-')) {
        std::fprintf(stderr,
                     "usage: %s FOLDER [TRANSMISSION_LINES [CONNECTORS_PER_LINE [PRICE_LINES [ORDER]]]]\n",
                     name);
        return 2;
    }
    if (argc == 6 && !ReadOrder(argv[5], plan.Order)) {
        std::fprintf(stderr, "not an order of the price lines (catalogue, sorted, shuffled): %s\n", argv[5]);
        return 2;
    }
    for (int i = 2; i < argc && i < 5; ++i) {
        if (!ReadCount(argv[i], *counts[i - 2])) {
            std::fprintf(stderr, "not a positive count: %s\n", argv[i]);
            return 2;
        }
    }
    try {
        const auto files = dorvik::bench::GenerateCatalogueFiles(argv[1], plan);
        std::printf("%ju\n", files.Bytes);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
