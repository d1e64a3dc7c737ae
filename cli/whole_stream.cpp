#include "cli/whole_stream.h"

#include <utility>
#include <vector>

#include "cli/system_streams.h"

namespace quernel::cli {

namespace {

// Pipes and devices are read in chunks of this size, so no more than one chunk lies unused.
constexpr std::size_t kChunkSize = std::size_t{1} << 20;

[[noreturn]] void RefuseAsTooLarge(const InputStream& input) {
    throw StreamError("cannot read " + input.Name() + ": it is larger than " +
                      std::to_string(kInputBound >> 30) + " GiB, the most quernel-unpatch reads");
}

// Reads into chunk until it is full or the input ends; returns how much it holds.
std::size_t Fill(InputStream& input, std::string& chunk) {
    std::size_t filled = 0;
    while (filled < chunk.size()) {
        const std::size_t got = input.ReadSome({chunk.data() + filled, chunk.size() - filled});
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

// One copy at the end, into memory of the exact size; each chunk is let go of once it is copied,
// so the input is held about once, not twice.
std::string Join(std::vector<std::string>& chunks, std::size_t total) {
    if (chunks.size() == 1) {
        return std::move(chunks.front());
    }
    std::string whole;
    whole.reserve(total);
    for (std::string& chunk : chunks) {
        whole += chunk;
        std::string().swap(chunk);
    }
    return whole;
}

std::string ReadAll(InputStream& input) {
    const std::optional<std::uint64_t> file_size = input.RegularFileSize();
    if (file_size && *file_size > kInputBound) {
        RefuseAsTooLarge(input);
    }
    // A regular file fits its first chunk, with a byte to spare for the read that finds the end;
    // a file that grows while it is read goes on in ordinary chunks.
    std::size_t chunk_size = file_size ? static_cast<std::size_t>(*file_size) + 1 : kChunkSize;
    std::vector<std::string> chunks;
    std::size_t total = 0;
    for (;;) {
        std::string chunk(chunk_size, '\0');
        const std::size_t filled = Fill(input, chunk);
        total += filled;
        if (total > kInputBound) {
            RefuseAsTooLarge(input);
        }
        chunk.resize(filled);
        chunks.push_back(std::move(chunk));
        if (filled < chunk_size) {
            return Join(chunks, total);
        }
        chunk_size = kChunkSize;
    }
}

}  // namespace

std::string ReadWholeInput(const std::optional<std::string>& path) {
    InputStream input(path);
    return ReadAll(input);
}

void WriteWholeOutput(std::string_view text) {
    while (!text.empty()) {
        text.remove_prefix(WriteSomeToStandardOutput(text));
    }
}

}  // namespace quernel::cli
