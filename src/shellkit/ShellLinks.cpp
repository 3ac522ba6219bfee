#include "shellkit/ShellLinks.h"

#include <windows.h>

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "shellkit/Handles.h"
#include "shellkit/WideText.h"

namespace zorvat::shellkit {

bool CreateShortcut(const std::string& linkPath, const std::string& target,
                    const std::string& workingFolder) {
  const ComScope com;
  void* created = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              &created))) {
    return false;
  }
  const ComPtr<IShellLinkW> link(static_cast<IShellLinkW*>(created));
  void* queried = nullptr;
  if (FAILED(link->SetPath(Widen(target).c_str())) ||
      FAILED(link->SetWorkingDirectory(Widen(workingFolder).c_str())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, &queried))) {
    return false;
  }
  const ComPtr<IPersistFile> file(static_cast<IPersistFile*>(queried));
  return SUCCEEDED(file->Save(Widen(linkPath).c_str(), TRUE));
}

}  // namespace zorvat::shellkit
