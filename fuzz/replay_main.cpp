// Runs a fuzz target over saved inputs, without the fuzzing engine: every file named on the
// command line, and every file in each folder named. Builds with any compiler, so the corpus and
// the regression inputs run as ordinary tests. A path that cannot be read fails the replay, so a
// missing or renamed folder is noticed instead of passing with nothing replayed.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

using std::filesystem::path;

// Hidden files, such as the one that keeps an empty folder in the repository, are no inputs.
bool IsHidden(const path& file) {
    return file.filename().string().starts_with('.');
}

// The inputs a named path stands for, in a fixed order; none when it cannot be read.
bool CollectInputs(const path& named, std::vector<path>& inputs) {
    std::error_code error;
    if (std::filesystem::is_regular_file(named, error)) {
        inputs.push_back(named);
        return true;
    }
    if (!std::filesystem::is_directory(named, error)) {
        return false;
    }
    std::vector<path> files;
    for (std::filesystem::directory_iterator entry(named, error), end; !error && entry != end;
         entry.increment(error)) {
        if (entry->is_regular_file() && !IsHidden(entry->path())) {
            files.push_back(entry->path());
        }
    }
    std::sort(files.begin(), files.end());
    inputs.insert(inputs.end(), files.begin(), files.end());
    return !error;
}

bool Replay(const path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in.is_open() || in.bad()) {
        return false;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<path> inputs;
    for (int i = 1; i < argc; ++i) {
        if (!CollectInputs(argv[i], inputs)) {
            std::fprintf(stderr, "cannot read '%s': no such file or readable folder\n", argv[i]);
            return 1;
        }
    }
    for (const path& input : inputs) {
        if (!Replay(input)) {
            std::fprintf(stderr, "cannot read '%s'\n", input.c_str());
            return 1;
        }
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
