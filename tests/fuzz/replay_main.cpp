// Without libFuzzer (the ordinary builds): runs a fuzz target once on every file of the folders or files it
// is given, so the seed corpora check the targets' properties in the test suite and the targets keep
// compiling.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int RunOne(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path path(argv[i]);
        if (std::filesystem::is_directory(path)) {
            std::vector<std::filesystem::path> files;
            for (const auto& entry : std::filesystem::directory_iterator(path))
                files.push_back(entry.path());
            std::sort(files.begin(), files.end());
            for (const auto& file : files)
                inputs += RunOne(file);
        } else {
            inputs += RunOne(path);
        }
    }
    std::printf("%d inputs hold every property\n", inputs);
    return inputs > 0 ? 0 : 1;
}
