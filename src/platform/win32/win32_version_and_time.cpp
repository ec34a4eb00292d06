// What Windows this is, the millisecond timer and the local date and time.
#include "platform/win32/win32_seams.h"

#include <windows.h>
#include <mmsystem.h>

#include "platform/win32/late_bound.h"

namespace platform::win32 {

std::optional<OsVersionInfo> Win32OsVersion::query() {
  OSVERSIONINFOA info{};
  info.dwOSVersionInfoSize = sizeof info;  // 148 bytes
  if (!GetVersionExA(&info)) return std::nullopt;
  OsVersionInfo out;
  switch (info.dwPlatformId) {
    case VER_PLATFORM_WIN32s: out.platform = OsPlatform::Win32s; break;
    case VER_PLATFORM_WIN32_WINDOWS: out.platform = OsPlatform::Windows9x; break;
    case VER_PLATFORM_WIN32_NT: out.platform = OsPlatform::WindowsNT; break;
    default: out.platform = OsPlatform::Other; break;
  }
  out.major = static_cast<int>(info.dwMajorVersion);
  out.minor = static_cast<int>(info.dwMinorVersion);
  return out;
}

std::uint32_t Win32MilliTimer::now() {
  // The multimedia timer counts single milliseconds; the tick count may move in coarser steps.
  // Its library, and what that loads in turn, waits until the first clock measurement.
  static const auto multimediaTime = lateBound<decltype(&timeGetTime)>("winmm.dll", "timeGetTime");
  return multimediaTime ? multimediaTime() : GetTickCount();
}

Date Win32Calendar::today() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {now.wDay, now.wMonth, now.wYear};
}

Moment Win32Calendar::now() {
  SYSTEMTIME now{};
  GetLocalTime(&now);
  return {{now.wDay, now.wMonth, now.wYear}, now.wHour, now.wMinute, now.wSecond};
}

}  // namespace platform::win32
