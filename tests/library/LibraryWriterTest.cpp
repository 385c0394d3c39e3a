// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <system_error>

#include "support/TempFolder.h"
#include "foundation/Util.h"
#include "library/LibraryWriter.h"
#include "library/MakerSite.h"
#include "library/UtilProperty.h"

TEST(LibraryWriter, WritesCrLfLinesNibbleSwappedThatReadBack) {
    TempFolder folder;
    const std::string path = folder.path + "7.pck";
    LibraryWriter::WritePropertyFile(path, {{"Name", "Seven Seas"}, {"Puzzles", "12,5"}},
                                     LibraryWriter::Existing::Refuse);
    EXPECT_EQ(Util::ReadFileAscii(path, false).substr(0, 5), "\xE4\x16\xD6\x56\xD3");
    const std::string text = Util::ReadFileAscii(path, true);
    EXPECT_EQ(text, "Name=Seven Seas\r\nPuzzles=12,5\r\n");
    EXPECT_EQ(UtilProperty::GetProperty(text, "Puzzles"), "12,5");
}

TEST(LibraryWriter, RefusesTextThatWouldNotReadBackAsWritten) {
    using Properties = LibraryWriter::Properties;
    const Properties refused[] = {
        {{"FileName", "x"}, {"Name", "y"}},   // "Name=" found inside the earlier key
        {{"Name", "a Puzzles=1"}, {"Puzzles", "2"}},
        {{"Name", "two\r\nlines"}},
        {{"Name", "lone\nfeed"}},
        {{"Name", std::string("zero\0byte", 9)}},
        {{"", "empty key"}},
        {{"Na=me", "x"}},
        {{"Name", "x"}, {"Name", "y"}},
    };
    for (const Properties& properties : refused)
        EXPECT_THROW(LibraryWriter::PropertyText(properties), std::invalid_argument)
            << properties.front().first << "=" << properties.front().second;
    EXPECT_EQ(LibraryWriter::PropertyText({{"Name", " Padded "}, {"Category", "3"}}),
              "Name= Padded \r\nCategory=3\r\n");
}

TEST(LibraryWriter, AtomicWriteRefusesAnExistingFileAndLeavesNoTemporary) {
    TempFolder folder;
    const std::string path = folder.Write("1.ctg", "old");
    EXPECT_THROW(LibraryWriter::WriteFileAtomically(path, "new", LibraryWriter::Existing::Refuse), std::system_error);
    EXPECT_EQ(Util::ReadFileAscii(path, false), "old");
    LibraryWriter::WriteFileAtomically(path, "new", LibraryWriter::Existing::Replace);
    EXPECT_EQ(Util::ReadFileAscii(path, false), "new");
    EXPECT_THROW(LibraryWriter::WriteFileAtomically(folder.path + "no/such/x", "x", LibraryWriter::Existing::Replace),
                 std::system_error);
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST(MakerSite, AddressesPointAtTheMakersPages) {
    EXPECT_EQ(MakerSite::UrlMorePuzzles(), "https://tessiva.example/tessiva-puzzle/extra?ref=app");
    EXPECT_EQ(MakerSite::UrlOtherProducts(), "https://tessiva.example/products?product=tessiva&ref=app");
}
