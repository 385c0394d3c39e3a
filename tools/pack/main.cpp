// SPDX-License-Identifier: GPL-3.0-or-later
// tessiva-pack: inspects and extends a program folder's puzzle library.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "AddCommands.h"
#include "ListCommand.h"
#include "ToolError.h"
#include "foundation/ApplicationException.h"
#include "foundation/NibbleSwap.h"
#include "foundation/Util.h"

namespace {

constexpr char kUsage[] =
    "usage: tessiva-pack list [--json] [FOLDER]\n"
    "       tessiva-pack decode FILE | encode FILE\n"
    "       tessiva-pack add-category FOLDER ID NAME\n"
    "       tessiva-pack add-pack FOLDER --id ID --name NAME --category ID PICTURE...\n"
    "       tessiva-pack help | --version\n";

// The rest of `help`: where a library lives, and how a player adds to an installed one. The
// tool's own program folder goes between the two parts.
constexpr char kHelpFolder[] =
    "\n"
    "FOLDER is a program folder: the folder that holds the game with its category files\n"
    "(*.ctg), pack files (*.pck) and Puzzles/. The game reads only that folder, so a pack\n"
    "added there is in its gallery at the next start. list without FOLDER reads this tool's\n"
    "own program folder: ";
constexpr char kHelpInstalled[] =
    "\n\n"
    "An installed game's program folder is /usr/lib/tessiva (or PREFIX/lib/tessiva after\n"
    "make install). It belongs to root, so packs are added there with sudo, for every user:\n"
    "  sudo tessiva-pack add-category /usr/lib/tessiva 10 \"Harbours\"\n"
    "  sudo tessiva-pack add-pack /usr/lib/tessiva --id 10 --name \"Harbours at Dusk\" \\\n"
    "      --category 10 ~/Pictures/harbour*.jpg\n"
    "Packsweep deletes only what its user may delete: started by a player it removes nothing\n"
    "from an installed library and reports errors; started as root it removes packs there.\n";

struct UsageError {};

std::string AsFolder(std::string path) {
    if (path.empty() || path.back() != '/')
        path += '/';
    return path;
}

int List(const std::vector<std::string>& args) {
    ListCommand::Format format = ListCommand::Format::Text;
    std::vector<std::string> folders;
    for (const std::string& arg : args) {
        if (arg == "--json")
            format = ListCommand::Format::Json;
        else if (arg.rfind("--", 0) == 0)
            throw UsageError{};
        else
            folders.push_back(arg);
    }
    if (folders.size() > 1)
        throw UsageError{};
    const std::string folder = folders.empty() ? Util::GetModulePath() : AsFolder(folders[0]);
    if (!std::filesystem::is_directory(folder))
        throw ToolError(ToolError::kBadInput, "no such folder: " + folder);
    ListCommand::Run(folder, format, std::cout);
    return 0;
}

// Both directions are the same exchange of each byte's halves.
int Transform(const std::vector<std::string>& args) {
    if (args.size() != 1)
        throw UsageError{};
    std::ifstream in(args[0], std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in)
        throw ToolError(ToolError::kBadInput, "cannot read " + args[0]);
    std::string text = bytes.str();
    NibbleSwapBytes(text);
    std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
    return std::cout.flush() ? 0 : ToolError::kFailed;
}

int AddCategory(const std::vector<std::string>& args) {
    if (args.size() != 3)
        throw UsageError{};
    AddCommands::AddCategory(AsFolder(args[0]), AddCommands::ParseId(args[1], "category id"), args[2]);
    return 0;
}

int AddPack(const std::vector<std::string>& args) {
    if (args.empty())
        throw UsageError{};
    AddCommands::PackRequest request;
    request.folder = AsFolder(args[0]);
    std::string id, name, category;
    bool optionsEnded = false;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && (arg == "--id" || arg == "--name" || arg == "--category")) {
            std::string& value = arg == "--id" ? id : arg == "--name" ? name : category;
            if (i + 1 >= args.size() || !value.empty())
                throw UsageError{};
            value = args[++i];
            if (value.empty() && arg == "--name")
                throw ToolError(ToolError::kBadInput, "pack name is empty");
        } else if (!optionsEnded && arg.rfind("--", 0) == 0) {
            throw UsageError{};
        } else {
            request.pictures.push_back(arg);
        }
    }
    if (id.empty() || name.empty() || category.empty() || request.pictures.empty())
        throw UsageError{};
    request.id = AddCommands::ParseId(id, "pack id");
    request.name = name;
    request.categoryId = AddCommands::ParseId(category, "category id");
    AddCommands::AddPack(request);
    return 0;
}

int Help(const std::vector<std::string>& args) {
    if (!args.empty())
        throw UsageError{};
    std::cout << kUsage;
    std::string folder = "(unknown)";
    try {
        folder = Util::GetModulePath();
    } catch (const ApplicationException&) {
        // The help is still worth showing without the tool's own folder.
    }
    std::cout << kHelpFolder << folder << kHelpInstalled;
    return std::cout.flush() ? 0 : ToolError::kFailed;
}

}   // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + std::min(argc, 2), argv + argc);
    const std::string command = argc >= 2 ? argv[1] : "";
    try {
        if (command == "--version" && args.empty()) {
            std::cout << "tessiva-pack " TESSIVA_VERSION "\n";
            return 0;
        }
        if (command == "help" || command == "--help")
            return Help(args);
        if (command == "list")
            return List(args);
        if (command == "decode" || command == "encode")
            return Transform(args);
        if (command == "add-category")
            return AddCategory(args);
        if (command == "add-pack")
            return AddPack(args);
        throw UsageError{};
    } catch (const UsageError&) {
        std::cerr << kUsage;
        return ToolError::kBadInput;
    } catch (const ToolError& e) {
        std::cerr << "tessiva-pack: " << e.what() << "\n";
        return e.exitStatus;
    } catch (const std::exception& e) {
        std::cerr << "tessiva-pack: " << e.what() << "\n";
        return ToolError::kFailed;
    } catch (const ApplicationException& e) {
        // The library's own failures that no scan contains, such as the tool's folder.
        std::cerr << "tessiva-pack: " << e.LocationText() << "\n";
        return ToolError::kFailed;
    }
}
