#pragma once
// The tooltips of a form's controls (those whose hint is also a tooltip).
#include <windows.h>

#include <memory>
#include <vector>

#include "ui/form.h"

namespace ui::win32 {

class NativeControl;

void addTooltips(HWND window, HINSTANCE instance, const Form& form,
                 const std::vector<std::unique_ptr<NativeControl>>& natives);

}  // namespace ui::win32
