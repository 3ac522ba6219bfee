#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "base/Files.h"
#include "shellkit/WideText.h"
#include "support/FilesystemPaths.h"
#include "support/TempFolder.h"

namespace zorvat {
namespace {

// A save puts the new bytes under the old file's identity: the attributes the user gave it stay.
TEST(FileCommit, ASaveKeepsTheFilesAttributes) {
  testing::TempFolder dir;
  const std::string path = dir.File("list.zrl");
  const std::wstring wide = PathFromUtf8(path).wstring();
  ReplaceFileAtomically(path, "old");
  ASSERT_TRUE(SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
  ASSERT_TRUE(GetFileAttributesW(wide.c_str()) & FILE_ATTRIBUTE_HIDDEN) << "before";
  ReplaceFileAtomically(path, "new");
  EXPECT_EQ(ReadFileBytes(path), "new");
  const DWORD attributes = GetFileAttributesW(wide.c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
  EXPECT_TRUE(NothingAt(TemporaryFileFor(path)));
}

// What the disk was asked to do while a replacement ran, in order.
std::vector<std::string>& DiskSteps() {
  static std::vector<std::string> steps;
  return steps;
}

// This program's import of a system function, pointed elsewhere for the object's life: the
// file layer's Win32 half calls through it as the program's does.
class ImportPatch {
 public:
  ImportPatch(const char* name, void* replacement) {
    auto* const base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const auto& nt = *reinterpret_cast<IMAGE_NT_HEADERS*>(
        base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* library = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         library->Name != 0 && !slot_; ++library) {
      auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->OriginalFirstThunk);
      auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + library->FirstThunk);
      for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        const auto* named = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (!IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal) &&
            std::strcmp(reinterpret_cast<const char*>(named->Name), name) == 0) {
          slot_ = &slots->u1.Function;
          break;
        }
      }
    }
    if (slot_) {
      original_ = *slot_;
      Set(reinterpret_cast<ULONG_PTR>(replacement));
    }
  }
  ~ImportPatch() {
    if (slot_) {
      Set(original_);
    }
  }
  ImportPatch(const ImportPatch&) = delete;
  ImportPatch& operator=(const ImportPatch&) = delete;
  bool Patched() const { return slot_ != nullptr; }

 private:
  void Set(ULONG_PTR value) {
    DWORD protection = 0;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    *slot_ = value;
    VirtualProtect(slot_, sizeof *slot_, protection, &protection);
  }

  ULONG_PTR* slot_ = nullptr;
  ULONG_PTR original_ = 0;
};

// The system's own function, past this program's import of it.
template <typename Function>
Function* SystemFunction(const char* name) {
  return reinterpret_cast<Function*>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

BOOL WINAPI RecordWrite(HANDLE file, LPCVOID bytes, DWORD size, LPDWORD written,
                        LPOVERLAPPED overlapped) {
  DiskSteps().emplace_back("write");
  return SystemFunction<decltype(WriteFile)>("WriteFile")(file, bytes, size, written, overlapped);
}

BOOL WINAPI RecordFlush(HANDLE file) {
  DiskSteps().emplace_back("flush");
  return SystemFunction<decltype(FlushFileBuffers)>("FlushFileBuffers")(file);
}

BOOL WINAPI RecordMove(LPCWSTR from, LPCWSTR to, DWORD flags) {
  const auto name = [](const std::wstring& path) {
    return Narrow(path.substr(path.rfind(L'\\') + 1));
  };
  DiskSteps().push_back("rename " + name(from) + " -> " + name(to) +
                        ((flags & MOVEFILE_WRITE_THROUGH) ? ", written through" : ""));
  return SystemFunction<decltype(MoveFileExW)>("MoveFileExW")(from, to, flags);
}

// A list, the settings and the stamp are replaced by this one helper: the new bytes are flushed
// to the disk before a rename puts them under the name, and each rename reaches the disk before
// it returns. Else a power cut can leave the name holding an empty file.
TEST(FileCommit, TheNewBytesReachTheDiskBeforeTheRename) {
  testing::TempFolder dir;
  const std::string path = dir.File("list.zrl");
  ReplaceFileAtomically(path, "old");
  DiskSteps().clear();
  {
    const ImportPatch write("WriteFile", reinterpret_cast<void*>(&RecordWrite));
    const ImportPatch flush("FlushFileBuffers", reinterpret_cast<void*>(&RecordFlush));
    const ImportPatch move("MoveFileExW", reinterpret_cast<void*>(&RecordMove));
    // Without any flush in the program there is no import of it: the steps tell.
    ASSERT_TRUE(write.Patched() && move.Patched());
    ReplaceFileAtomically(path, "new");
  }
  EXPECT_EQ(DiskSteps(), (std::vector<std::string>{
                             "write", "flush",
                             "rename list.zrl.~write.tmp -> list.zrl.~save.tmp, written through",
                             "rename list.zrl.~save.tmp -> list.zrl, written through"}));
  EXPECT_EQ(ReadFileBytes(path), "new");
}

}  // namespace
}  // namespace zorvat
