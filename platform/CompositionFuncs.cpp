#include "CompositionFuncs.h"

#include "Services.h"

namespace plumcrest::platform {
namespace {

constexpr int kVistaMajorVersion = 6;

template <typename Proc> Proc ResolveEntry(DynamicLibrary& library, const char* entry) {
    return reinterpret_cast<Proc>(library.Resolve(entry));
}

} // namespace

bool IsVistaOrLater() {
    const std::optional<int> major = TheOs().WindowsMajorVersion();
    return major && *major >= kVistaMajorVersion;
}

bool IsVistaWithThemes() {
    return IsVistaOrLater() && TheOs().VisualStylesActive();
}

bool IsCompositionEnabled() {
    if (!IsVistaOrLater())
        return false;
    // Loaded afresh for every call; the library unloads when `library` goes out of scope.
    const auto library = TheOs().LoadLibrary(kDwmLibrary);
    if (!library)
        return false;
    const auto isEnabled =
        ResolveEntry<DwmIsCompositionEnabledProc>(*library, kDwmIsCompositionEnabled);
    if (!isEnabled)
        return false;
    int enabled = 0;
    isEnabled(&enabled); // the result code says nothing the out-value does not
    return enabled != 0;
}

void ExtendGlassFrame(WindowHandle handle, const MarginRect& margins) {
    if (!IsVistaOrLater() || !IsCompositionEnabled())
        return;
    const auto library = TheOs().LoadLibrary(kDwmLibrary);
    if (!library)
        return;
    const auto extend =
        ResolveEntry<DwmExtendFrameIntoClientAreaProc>(*library, kDwmExtendFrameIntoClientArea);
    if (!extend)
        return;
    Margins record;
    record.cxLeftWidth = margins.Left;
    record.cxRightWidth = margins.Right;
    record.cyTopHeight = margins.Top;
    record.cyBottomHeight = margins.Bottom;
    // A failed extension leaves the window as it was; there is nothing to report.
    extend(reinterpret_cast<void*>(handle), &record);
}

} // namespace plumcrest::platform
