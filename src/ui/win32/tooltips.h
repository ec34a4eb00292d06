#pragma once
// The tooltips of a form's controls (those whose hint is also a tooltip).
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/form.h"

namespace ui::win32 {

class NativeControl;

// The tooltip window of a form's window; null when Windows refuses it.
HWND makeTooltipWindow(HWND window, HINSTANCE instance);

// Tools for the controls of `form`, from natives[first] on, that ask for a tooltip.
void addTooltips(HWND tips, HWND window, const Form& form,
                 const std::vector<std::unique_ptr<NativeControl>>& natives, size_t first);

}  // namespace ui::win32
