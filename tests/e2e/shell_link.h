#pragma once
// A .lnk file read back through the shell's own interface (IShellLinkA loaded by IPersistFile),
// as Explorer reads it: what a shortcut written by the program really holds.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <string>
#include <vector>

namespace shell_link {

struct Fields {
  bool loaded = false;
  std::string target, arguments, workingFolder, iconFile, comment;
  int iconIndex = -1;
  int showCommand = 0;
};

// `path` in the ANSI code page.
inline Fields read(const std::string& path) {
  Fields fields;
  const HRESULT com = CoInitialize(nullptr);
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link))) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    std::vector<WCHAR> wide(MAX_PATH * 2, 0);
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    if (SUCCEEDED(file->Load(wide.data(), STGM_READ))) {
      fields.loaded = true;
      char text[1024];
      text[0] = 0;
      if (SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH))) fields.target = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetArguments(text, sizeof text))) fields.arguments = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetWorkingDirectory(text, sizeof text))) fields.workingFolder = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetIconLocation(text, sizeof text, &fields.iconIndex))) fields.iconFile = text;
      text[0] = 0;
      if (SUCCEEDED(link->GetDescription(text, sizeof text))) fields.comment = text;
      link->GetShowCmd(&fields.showCommand);
    }
  }
  if (file) file->Release();
  if (link) link->Release();
  if (SUCCEEDED(com)) CoUninitialize();
  return fields;
}

}  // namespace shell_link
