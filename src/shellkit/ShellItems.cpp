#include "shellkit/ShellItems.h"

#include <windows.h>

#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <memory>
#include <string_view>

#include "base/Files.h"
#include "shellkit/Handles.h"
#include "shellkit/Paths.h"
#include "shellkit/ShellLinks.h"
#include "shellkit/SystemFolders.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {
namespace {

struct ItemListFree {
  void operator()(ITEMIDLIST* list) const { ILFree(list); }
};
using ItemList = std::unique_ptr<ITEMIDLIST, ItemListFree>;

bool IsWord(std::string text, std::string_view word) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text == word;
}

std::string CreateGroup(const std::string& group) {
  std::string folder = GetSystemFolder(kProgramsFolder) + "\\" + group;
  CreateFolders(folder);
  return folder;
}

bool Exists(const std::string& path) {
  return GetFileAttributesW(Widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

void CreateItem(const std::string& group, const std::string& title, const std::string& target) {
  const ComScope com;
  const std::string destination = CreateGroup(group) + "\\" + title + ".lnk";
  // As an item list: some shells store a path argument's characters as 8-bit text.
  const ItemList item(ILCreateFromPathW(Widen(target).c_str()));
  if (item) {
    SHAddToRecentDocs(SHARD_PIDL, item.get());
  }
  const std::string recent = GetSystemFolder(kRecentFolder) + "\\" + FileNamePart(target) + ".lnk";
  if (Exists(recent)) {
    MoveFileW(Widen(recent).c_str(), Widen(destination).c_str());
  } else if (!Exists(destination)) {
    // The shell keeps no recent items when the user has switched them off.
    CreateShortcut(destination, target, FolderPart(target));
  }
}

}  // namespace

void ShellItemCommand(const std::string& command, const std::string& group,
                      const std::string& title, const std::string& target) {
  if (IsWord(command, "newitem")) {
    CreateItem(group, title, target);
  } else if (IsWord(command, "newgroup")) {
    CreateGroup(group);
  }
}

}  // namespace zorvat::shellkit
