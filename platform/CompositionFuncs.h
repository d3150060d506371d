#pragma once
// Desktop-composition helpers for Windows Vista and later. The Desktop Window Manager library is
// loaded by name for each call and unloaded afterwards; where it or an entry is missing, the
// helpers answer false or do nothing. On Linux nothing loads, so composition is always off.

#include <QtGlobal>
#include <cstdint>

namespace plumcrest::platform {

// The DWM entries use the Windows API calling convention, which only differs on 32-bit x86.
#if defined(_WIN32) && defined(__i386__)
#define PLUMCREST_WINAPI __stdcall
#else
#define PLUMCREST_WINAPI
#endif

// Glass widths in pixels, each measured inwards from that edge of the client area (not
// coordinates), in rectangle order.
struct MarginRect {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Right = 0;
    std::int32_t Bottom = 0;
};

// The DWM's MARGINS record: note that its order differs from MarginRect.
struct Margins {
    std::int32_t cxLeftWidth = 0;
    std::int32_t cxRightWidth = 0;
    std::int32_t cyTopHeight = 0;
    std::int32_t cyBottomHeight = 0;
};

// A native window handle, passed through untouched.
using WindowHandle = quintptr;

// Entry signatures in "dwmapi.dll": HRESULT results, a Windows BOOL out-value.
using DwmIsCompositionEnabledProc = long(PLUMCREST_WINAPI*)(int* enabled);
using DwmExtendFrameIntoClientAreaProc = long(PLUMCREST_WINAPI*)(void* hwnd,
                                                                 const Margins* margins);

inline constexpr char kDwmLibrary[] = "dwmapi.dll";
inline constexpr char kDwmIsCompositionEnabled[] = "DwmIsCompositionEnabled";
inline constexpr char kDwmExtendFrameIntoClientArea[] = "DwmExtendFrameIntoClientArea";

// The Windows major version is 6 or more; false when the version query fails.
bool IsVistaOrLater();

// Vista or later, and the theme service reports visual styles in effect for the program.
bool IsVistaWithThemes();

// Desktop composition is on.
bool IsCompositionEnabled();

// Extends the window frame into the client area by the given widths, or does nothing when
// composition is off or the DWM cannot be reached. Result codes are ignored.
void ExtendGlassFrame(WindowHandle handle, const MarginRect& margins);

} // namespace plumcrest::platform
