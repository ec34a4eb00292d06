#include "platform/win32/win32_shortcuts.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/errors.h"
#include "platform/win32/ansi.h"
#include "platform/win32/late_bound.h"
#include "platform/win32/win32_seams.h"
#include "text/catalogue.h"

namespace platform::win32 {
namespace {

// The shell's link object and its interfaces, as every Windows 95 documents them; written out
// here so that no GUID library is needed.
const CLSID kShellLink = {0x00021401, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kShellLinkA = {0x000214EE, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
const IID kPersistFile = {0x0000010B, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

// COM for the time of one shortcut; left alone when the thread already has it another way.
class ComScope {
 public:
  ComScope() {
    const auto initialize = lateBound<decltype(&CoInitialize)>("ole32.dll", "CoInitialize");
    const HRESULT result = initialize ? initialize(nullptr) : E_FAIL;
    ready_ = SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    owned_ = SUCCEEDED(result);  // S_FALSE too: every successful call is balanced
  }
  ~ComScope() {
    if (!owned_) return;
    if (const auto uninitialize = lateBound<decltype(&CoUninitialize)>("ole32.dll", "CoUninitialize"))
      uninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;
  bool ready() const { return ready_; }

 private:
  bool ready_ = false;
  bool owned_ = false;
};

template <typename Interface>
struct Released {
  Interface* p = nullptr;
  ~Released() {
    if (p) p->Release();
  }
};

// The path in UTF-16 as IPersistFile::Save takes it, through the ANSI code page as every
// other path of the program goes to Windows.
std::vector<WCHAR> widePath(const std::string& ansi) {
  const int length = MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, nullptr, 0);
  std::vector<WCHAR> wide(length > 0 ? length : 1, 0);
  if (length > 0) MultiByteToWideChar(CP_ACP, 0, ansi.c_str(), -1, wide.data(), length);
  return wide;
}

// Writes the link to `ansiPath`; false on any refusal.
bool saveLink(const std::string& ansiPath, const ShortcutLink& link) {
  ComScope com;
  const auto create = lateBound<decltype(&CoCreateInstance)>("ole32.dll", "CoCreateInstance");
  if (!com.ready() || !create) return false;
  Released<IShellLinkA> shellLink;
  if (FAILED(create(kShellLink, nullptr, CLSCTX_INPROC_SERVER, kShellLinkA,
                    reinterpret_cast<void**>(&shellLink.p))))
    return false;
  IShellLinkA* l = shellLink.p;
  if (FAILED(l->SetPath(toAnsi(link.target).c_str())) ||
      FAILED(l->SetArguments(toAnsi(link.arguments).c_str())) ||
      FAILED(l->SetWorkingDirectory(toAnsi(link.workingFolder).c_str())) ||
      FAILED(l->SetIconLocation(toAnsi(link.iconFile).c_str(), link.iconIndex)) ||
      FAILED(l->SetDescription(toAnsi(link.comment).c_str())) ||
      FAILED(l->SetShowCmd(SW_SHOWNORMAL)))
    return false;
  Released<IPersistFile> file;
  if (FAILED(l->QueryInterface(kPersistFile, reinterpret_cast<void**>(&file.p)))) return false;
  std::vector<WCHAR> wide = widePath(ansiPath);
  return SUCCEEDED(file.p->Save(wide.data(), TRUE));
}

}  // namespace

std::optional<std::string> Win32Shortcuts::folderOf(ShortcutPlace place) {
  // SHGetSpecialFolderPathA came with the shell of Internet Explorer 4; these three are in
  // every Windows 95.
  const auto location = lateBound<decltype(&SHGetSpecialFolderLocation)>(
      "shell32.dll", "SHGetSpecialFolderLocation");
  const auto pathOf = lateBound<decltype(&SHGetPathFromIDListA)>("shell32.dll", "SHGetPathFromIDListA");
  const auto allocator = lateBound<decltype(&SHGetMalloc)>("shell32.dll", "SHGetMalloc");
  if (!location || !pathOf || !allocator) return std::nullopt;
  const int which = place == ShortcutPlace::Desktop ? CSIDL_DESKTOPDIRECTORY : CSIDL_PROGRAMS;
  LPITEMIDLIST list = nullptr;
  if (FAILED(location(nullptr, which, &list)) || !list) return std::nullopt;
  char path[MAX_PATH] = {};
  const bool found = pathOf(list, path) && path[0];
  IMalloc* shellMemory = nullptr;
  if (SUCCEEDED(allocator(&shellMemory)) && shellMemory) {
    shellMemory->Free(list);
    shellMemory->Release();
  }
  if (!found) return std::nullopt;
  return fromAnsi(path);
}

void Win32Shortcuts::write(const std::string& path, const ShortcutLink& link) {
  // Written aside in the same folder, then moved into place as the text files are: a shortcut
  // that is there is always a complete one.
  const std::string ansiPath = toAnsi(path);
  const std::string fresh = ansiPath + ".$$$";
  DeleteFileA(fresh.c_str());
  if (!saveLink(fresh, link) || GetFileAttributesA(fresh.c_str()) == INVALID_FILE_ATTRIBUTES) {
    DeleteFileA(fresh.c_str());
    throw UserError(format1(text::tr(text::Id::ErrorCannotCreateFile), path));
  }
  Win32TextFiles().moveOver(fromAnsi(fresh), path);
}

std::string Win32Shortcuts::runningProgram() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD got = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (got == 0) return "";
    if (got < path.size()) {
      path.resize(got);
      return fromAnsi(path);
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace platform::win32
