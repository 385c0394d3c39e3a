#include "FuzzSupport.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace Fuzz {

namespace {

class Scratch {
public:
    Scratch() {
        const char* base = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : std::getenv("TMPDIR");
        std::string pattern = std::string(base ? base : "/tmp") + "/tessiva-fuzz-XXXXXX";
        FUZZ_CHECK(mkdtemp(pattern.data()) != nullptr);
        folder = pattern + "/";
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;

    std::string folder;
};

}  // namespace

const std::string& ScratchFolder() {
    static const Scratch scratch;
    return scratch.folder;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    FUZZ_CHECK(out.good());
}

std::vector<std::string_view> SplitInput(const uint8_t* data, size_t size, size_t parts) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> pieces;
    while (pieces.size() + 1 < parts) {
        const size_t at = rest.find(kSeparator);
        if (at == std::string_view::npos)
            break;
        pieces.push_back(rest.substr(0, at));
        rest.remove_prefix(at + kSeparator.size());
    }
    pieces.push_back(rest);
    pieces.resize(parts);
    return pieces;
}

}  // namespace Fuzz
