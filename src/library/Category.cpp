// SPDX-License-Identifier: GPL-3.0-or-later
#include "library/Category.h"

#include <algorithm>

#include "foundation/Util.h"
#include "foundation/UtilText.h"
#include "library/LibraryFolder.h"
#include "library/UtilProperty.h"

namespace {
std::vector<std::unique_ptr<Category>>& Categories() {
    static std::vector<std::unique_ptr<Category>> categories;
    return categories;
}
}   // namespace

const std::vector<std::unique_ptr<Category>>& CategoryList() { return Categories(); }

void Category::ScanCategories(const std::string& folder, const SkipObserver& onSkip) {
    Categories().clear();
    LibraryFolder::ReadEachFile(folder, ".ctg", ReadCategory, onSkip);
    // Ordinal by UTF-16 code units, so "Zoo" sorts before "apple".
    std::sort(Categories().begin(), Categories().end(),
              [](const std::unique_ptr<Category>& a, const std::unique_ptr<Category>& b) {
                  return UtilText::CompareUtf16(a->name, b->name) < 0;
              });
}

void Category::ReadCategory(const std::string& title, const std::string& path) {
    const int32_t id = Util::ParseInt(title);
    const std::string text = Util::ReadFileAscii(path, true);
    const std::string name = UtilProperty::GetProperty(text, "Name");
    // The name ends at a zero byte, as a converted zero-terminated text would.
    Categories().push_back(
        std::make_unique<Category>(id, UtilText::FromLibraryText(std::string_view(name).substr(0, name.find('\0')))));
}

Category* Category::FindById(int32_t id) {
    for (const std::unique_ptr<Category>& category : Categories())
        if (category->id == id)
            return category.get();
    return nullptr;
}
