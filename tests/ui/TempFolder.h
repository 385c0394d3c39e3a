#pragma once
// A fresh temporary folder, removed with everything in it at the end.

#include <string>

namespace UiTest {

// Its path ends in '/'.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return path; }

private:
    std::string path;
};

}  // namespace UiTest
