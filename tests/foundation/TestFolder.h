#pragma once
// A fresh temporary folder for one test, removed with everything in it afterwards.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

class TestFolder {
public:
    TestFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tessiva-test-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path = pattern + "/";
    }
    ~TestFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    // Writes the bytes to a file under the folder, making sub-folders as needed.
    std::string Write(const std::string& relative, const std::string& bytes) const {
        return WriteUnder(path, relative, bytes);
    }

    // The same under any folder (root ends in '/'); returns the file's full path.
    static std::string WriteUnder(const std::string& root, const std::string& relative, const std::string& bytes) {
        const std::string full = root + relative;
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        std::ofstream(full, std::ios::binary) << bytes;
        return full;
    }

    std::string path;   // ends in '/'
};
