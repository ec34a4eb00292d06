// The message box and the common file dialogs.
#include "platform/win32/win32_seams.h"

#include <windows.h>
#include <commdlg.h>
#include <cderr.h>

#include <vector>

#include "platform/errors.h"
#include "platform/text.h"
#include "platform/win32/ansi.h"
#include "platform/win32/late_bound.h"
#include "text/catalogue.h"

namespace platform::win32 {

MessageResult Win32Dialogs::messageBox(const std::string& caption, const std::string& text,
                                       MessageIcon icon, MessageButtons buttons) {
  UINT flags = 0;
  switch (icon) {
    case MessageIcon::None: break;
    case MessageIcon::Information: flags |= MB_ICONINFORMATION; break;
    case MessageIcon::Warning: flags |= MB_ICONWARNING; break;
    case MessageIcon::Error: flags |= MB_ICONERROR; break;
    case MessageIcon::Question: flags |= MB_ICONQUESTION; break;
  }
  switch (buttons) {
    case MessageButtons::Ok: flags |= MB_OK; break;
    case MessageButtons::OkCancel: flags |= MB_OKCANCEL; break;
    case MessageButtons::YesNo: flags |= MB_YESNO; break;
  }
  HWND owner = GetActiveWindow();
  if (!owner) flags |= MB_TASKMODAL | MB_SETFOREGROUND;
  const int answer =
      MessageBoxA(owner, toAnsi(clipForDisplay(text)).c_str(),
                  toAnsi(clipForDisplay(caption)).c_str(), flags);
  switch (answer) {
    case IDOK: return MessageResult::Ok;
    case IDYES: return MessageResult::Yes;
    case IDNO: return MessageResult::No;
    default: return MessageResult::Cancel;
  }
}

namespace {

// "0x0001", as the common dialogs' error codes are written down.
std::string hexCode(DWORD value) {
  std::string digits;
  do {
    digits.insert(digits.begin(), "0123456789ABCDEF"[value & 0xF]);
    value >>= 4;
  } while (value != 0 || digits.size() < 4);
  return "0x" + digits;
}

std::optional<std::string> fileDialog(const FileDialogOptions& options, bool save) {
  static const auto openDialog =
      lateBound<decltype(&GetOpenFileNameA)>("comdlg32.dll", "GetOpenFileNameA");
  static const auto saveDialog =
      lateBound<decltype(&GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
  if (!(save ? saveDialog : openDialog))
    throw UserError(format1(text::tr(text::Id::ErrorFileDialog), hexCode(CDERR_INITIALIZATION)));
  std::string filter;
  for (const auto& f : options.filters) {
    filter += toAnsi(f.description);
    filter.push_back('\0');
    filter += toAnsi(f.pattern);
    filter.push_back('\0');
  }
  filter.push_back('\0');
  std::vector<char> name(32768, '\0');
  const std::string first = toAnsi(options.fileName);
  if (first.size() < name.size()) std::copy(first.begin(), first.end(), name.begin());
  const std::string title = toAnsi(options.title);
  const std::string extension = toAnsi(options.defaultExtension);

  OPENFILENAMEA ofn{};
  // These headers always declare the Windows 2000 fields (88 bytes); Windows 95/98 and NT 4
  // answer any size but the first one's with CDERR_STRUCTSIZE and show nothing.
  ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
  ofn.hwndOwner = GetActiveWindow();
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = name.data();
  ofn.nMaxFile = static_cast<DWORD>(name.size());
  ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  ofn.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_EXPLORER | OFN_NOCHANGEDIR;
  bool chosen;
  if (save) {
    if (options.overwritePrompt) ofn.Flags |= OFN_OVERWRITEPROMPT;
    chosen = saveDialog(&ofn) != FALSE;
  } else {
    ofn.Flags |= OFN_FILEMUSTEXIST;
    chosen = openDialog(&ofn) != FALSE;
  }
  if (chosen) return fromAnsi(name.data());
  // A cancel leaves no error; anything else would otherwise end in silence.
  static const auto dialogError =
      lateBound<decltype(&CommDlgExtendedError)>("comdlg32.dll", "CommDlgExtendedError");
  const DWORD error = dialogError ? dialogError() : 0;
  if (error != 0) throw UserError(format1(text::tr(text::Id::ErrorFileDialog), hexCode(error)));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> Win32Dialogs::openFile(const FileDialogOptions& options) {
  return fileDialog(options, false);
}

std::optional<std::string> Win32Dialogs::saveFile(const FileDialogOptions& options) {
  return fileDialog(options, true);
}

}  // namespace platform::win32
