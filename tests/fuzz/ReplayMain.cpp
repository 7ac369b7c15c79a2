// The plain build of a fuzz target: replays the files given, and every file
// in the folders given, through LLVMFuzzerTestOneInput, one after the other.
// A folder that does not exist holds nothing. Prints how many it replayed.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    std::vector<std::filesystem::path> files;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path given(argv[i]);
        std::error_code ec;
        if (std::filesystem::is_directory(given, ec)) {
            for (const auto& e : std::filesystem::directory_iterator(given))
                if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
        } else if (std::filesystem::exists(given, ec)) {
            files.push_back(given);
        }
    }
    std::sort(files.begin(), files.end());
    for (const auto& f : files) {
        std::printf("%s\n", f.string().c_str());
        std::fflush(stdout);
        std::ifstream in(f, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::printf("%zu inputs replayed, 0 failed\n", files.size());
    return 0;
}
