// A stand-in for Windows' UI Automation core, for the Wine test prefix alone:
// it says that a screen reader listens, hands back a provider for the window
// it is given, and writes each notification to the file that
// PAIRFALL_UIA_RECORD names.  Wine's own core says that no one listens, so
// without this nothing is ever raised there.  Qt's accessibility bridge gets
// harmless answers: the game runs as it does on Windows without a client.
#include <windows.h>

#include <oleauto.h>
#include <uiautomationcore.h>

#include <string>

namespace {

constexpr PROPERTYID NativeWindowHandle = 30020; // UIA_NativeWindowHandlePropertyId

// What a host provider says of its window; a screen reader asks the same
// property to find the native window behind an element.
class HostProvider final : public IRawElementProviderSimple {
public:
    explicit HostProvider(HWND window)
        : m_window(window)
    {
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IRawElementProviderSimple)) {
            *object = static_cast<IRawElementProviderSimple*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override
    {
        *options = ProviderOptions_ServerSideProvider;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID, IUnknown** pattern) override
    {
        *pattern = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override
    {
        VariantInit(value);
        if (property == NativeWindowHandle) {
            value->vt = VT_I4;
            value->lVal = static_cast<LONG>(reinterpret_cast<LONG_PTR>(m_window));
        }
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override
    {
        *host = nullptr;
        return S_OK;
    }

    HWND Window() const { return m_window; }

private:
    LONG m_references = 1;
    HWND m_window;
};

// Texts go as they are: the program's hold no tab and no line end, and a
// line that does not split into its six fields fails the test.
std::wstring Field(BSTR text)
{
    return text ? std::wstring(text, SysStringLen(text)) : std::wstring();
}

// What the test needs to know that the window is the program's main one and
// in front: top level, this process's, visible, foreground, title and size.
std::wstring WindowFacts(HWND window)
{
    if (!window || !IsWindow(window))
        return L"none";
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t title[256] = {};
    const int titleLength = GetWindowTextW(window, title, 256);
    RECT client = {};
    GetClientRect(window, &client);
    std::wstring facts;
    facts += GetAncestor(window, GA_ROOT) == window ? L"top-level" : L"child";
    facts += process == GetCurrentProcessId() ? L" own" : L" foreign";
    facts += IsWindowVisible(window) ? L" visible" : L" hidden";
    facts += GetForegroundWindow() == window ? L" foreground" : L" background";
    facts += L" " + std::to_wstring(client.right - client.left) + L"x" + std::to_wstring(client.bottom - client.top);
    facts += L" " + std::wstring(title, static_cast<std::size_t>(titleLength));
    return facts;
}

bool Record(const std::wstring& line)
{
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"PAIRFALL_UIA_RECORD", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), static_cast<int>(line.size()), utf8.data(), size, nullptr, nullptr);
    HANDLE file = CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // One write a line: a reader never sees half of one.
    DWORD written = 0;
    const bool whole = WriteFile(file, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr) && written == utf8.size();
    CloseHandle(file);
    return whole;
}

}

extern "C" {

BOOL WINAPI UiaClientsAreListening()
{
    return TRUE;
}

HRESULT WINAPI UiaHostProviderFromHwnd(HWND window, IRawElementProviderSimple** provider)
{
    if (!provider)
        return E_INVALIDARG;
    *provider = nullptr;
    if (!IsWindow(window))
        return E_INVALIDARG;
    *provider = new HostProvider(window);
    return S_OK;
}

// One line: the window, the kind, the processing, the activity, the text,
// then the window's facts; tab-separated, UTF-8.
HRESULT WINAPI UiaRaiseNotificationEvent(IRawElementProviderSimple* provider, int kind, int processing, BSTR text, BSTR activity)
{
    if (!provider)
        return E_INVALIDARG;
    // The provider is the one UiaHostProviderFromHwnd made: it names the
    // window that a screen reader would find through it.
    const HWND window = static_cast<HostProvider*>(provider)->Window();
    wchar_t handle[32];
    wsprintfW(handle, L"0x%I64x", static_cast<unsigned long long>(reinterpret_cast<ULONG_PTR>(window)));
    const std::wstring line = std::wstring(handle) + L"\t" + std::to_wstring(kind) + L"\t" + std::to_wstring(processing) + L"\t"
        + Field(activity) + L"\t" + Field(text) + L"\t" + WindowFacts(window) + L"\n";
    return Record(line) ? S_OK : E_FAIL;
}

HRESULT WINAPI UiaRaiseAutomationEvent(IRawElementProviderSimple*, EVENTID)
{
    return S_OK;
}

HRESULT WINAPI UiaRaiseAutomationPropertyChangedEvent(IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT)
{
    return S_OK;
}

// No client asks for Qt's own tree here; a zero result sends Qt on as usual.
LRESULT WINAPI UiaReturnRawElementProvider(HWND, WPARAM, LPARAM, IRawElementProviderSimple*)
{
    return 0;
}
}
