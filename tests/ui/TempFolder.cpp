#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace UiTest {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ui-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("mkdtemp failed");
    path = pattern + "/";
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
}

}  // namespace UiTest
