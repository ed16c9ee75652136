#include "platform/UiaNotification.h"

#include <windows.h>

namespace pairfall {

namespace {

// The values of UI Automation's NotificationKind and NotificationProcessing.
constexpr int ActionCompleted = 2;
constexpr int MostRecent = 3;

using HostProviderFromHwnd = HRESULT(WINAPI*)(HWND, IUnknown**);
using RaiseNotificationEvent = HRESULT(WINAPI*)(IUnknown*, int, int, BSTR, BSTR);
using ClientsAreListening = BOOL(WINAPI*)();

struct UiaCalls {
    HostProviderFromHwnd hostProvider = nullptr;
    RaiseNotificationEvent raise = nullptr;
    ClientsAreListening listening = nullptr;
};

// Looked up once, in the system's own folder only.
const UiaCalls& Calls()
{
    static const UiaCalls calls = [] {
        UiaCalls found;
        HMODULE core = LoadLibraryExW(L"uiautomationcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
        if (!core)
            return found;
        found.hostProvider = reinterpret_cast<HostProviderFromHwnd>(reinterpret_cast<void*>(GetProcAddress(core, "UiaHostProviderFromHwnd")));
        found.raise = reinterpret_cast<RaiseNotificationEvent>(reinterpret_cast<void*>(GetProcAddress(core, "UiaRaiseNotificationEvent")));
        found.listening = reinterpret_cast<ClientsAreListening>(reinterpret_cast<void*>(GetProcAddress(core, "UiaClientsAreListening")));
        return found;
    }();
    return calls;
}

}

Notification RaiseUiaNotification(std::uintptr_t window, const std::wstring& text)
{
    const UiaCalls& calls = Calls();
    if (!calls.hostProvider || !calls.raise || !calls.listening)
        return Notification::Unavailable;
    // Without a screen reader there is no one to tell.
    if (!calls.listening())
        return Notification::Raised;
    IUnknown* provider = nullptr;
    if (FAILED(calls.hostProvider(reinterpret_cast<HWND>(window), &provider)) || !provider)
        return Notification::Failed;
    BSTR spoken = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    BSTR activity = SysAllocString(L"Pairfall.Result");
    const HRESULT result = spoken && activity ? calls.raise(provider, ActionCompleted, MostRecent, spoken, activity) : E_OUTOFMEMORY;
    SysFreeString(activity);
    SysFreeString(spoken);
    provider->Release();
    return SUCCEEDED(result) ? Notification::Raised : Notification::Failed;
}

}
