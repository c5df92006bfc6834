// The system's web browser control (IWebBrowser2), hosted in place in the main form's browser
// area. The area's window is the control's container; one site object answers the control's
// questions about it, and the page's elements are reached through the document's IDispatch.
//
// Everything here runs on the UI thread, which OleInitialize made a single-threaded apartment.

#include "platform/win32/win_api.h"
// (the backend's Windows headers first)

#include <dispex.h>
#include <exdisp.h>
#include <mshtmhst.h>
#include <mshtml.h>
#include <ole2.h>
#include <servprov.h>
#include <urlmon.h>
#include <wctype.h>

#include <climits>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>

#include "platform/win32/win_browser.h"
#include "platform/win32/win_text.h"

namespace plv::win {
namespace {

// The scheme, host and port of an address ("http://127.0.0.1:8723"), in lower case; empty when it
// has none.
std::wstring Origin(const std::wstring& url) {
    std::size_t scheme = url.find(L"://");
    if (scheme == std::wstring::npos || scheme == 0) {
        return {};
    }
    std::size_t end = url.find_first_of(L"/?#\\", scheme + 3);
    std::wstring origin = url.substr(0, end);
    for (wchar_t& c : origin) {
        c = static_cast<wchar_t>(::towlower(c));
    }
    return origin;
}

}  // namespace

bool GrantsUrlAction(const std::wstring& pageUrl, const wchar_t* url, DWORD action) {
    // Running script is all the page needs: its script fills the translation. The rest of the
    // script range (the clipboard, data across domains, "safe" controls) stays the zone's, so
    // that a page altered on its way here gets no more than any page of its zone.
    if (action != URLACTION_SCRIPT_RUN || url == nullptr) {
        return false;
    }
    std::wstring origin = Origin(pageUrl);
    return !origin.empty() && Origin(url) == origin;
}

namespace {

// A property read gives at most this many UTF-16 units; a page cannot make the program hold
// more than that of its text.
constexpr std::size_t kMaxPropertyUnits = std::size_t{1} << 20;

// A COM interface pointer we own one reference to, released when it goes.
template <typename T>
class Ref {
  public:
    Ref() = default;
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    Ref(Ref&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Ref& operator=(Ref&& other) noexcept {
        if (this != &other) {
            Reset();
            p_ = std::exchange(other.p_, nullptr);
        }
        return *this;
    }
    ~Ref() { Reset(); }

    T* get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

    // For a call that hands out a new reference: whatever was held before is released first.
    T** Out() {
        Reset();
        return &p_;
    }
    void** OutVoid() { return reinterpret_cast<void**>(Out()); }

    void Reset() {
        if (p_ != nullptr) {
            p_->Release();
            p_ = nullptr;
        }
    }

  private:
    T* p_ = nullptr;
};

// QueryInterface into a Ref; empty when the object does not have the interface.
template <typename T, typename From>
Ref<T> Query(From* from) {
    Ref<T> to;
    if (from == nullptr || FAILED(from->QueryInterface(__uuidof(T), to.OutVoid()))) {
        to.Reset();
    }
    return to;
}

// A BSTR of ours, freed when it goes. Null when the text is too long for a BSTR or there is no
// memory for it.
class Bstr {
  public:
    explicit Bstr(const std::u16string& text)
        : b_(text.size() < UINT_MAX / 2 ? ::SysAllocStringLen(W(text), static_cast<UINT>(text.size()))
                                        : nullptr) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { ::SysFreeString(b_); }

    BSTR get() const { return b_; }
    explicit operator bool() const { return b_ != nullptr; }

  private:
    BSTR b_;
};

// A VARIANT of ours, cleared when it goes (which frees a BSTR or releases an object in it).
class Variant {
  public:
    Variant() { ::VariantInit(&v_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { ::VariantClear(&v_); }

    VARIANT* get() { return &v_; }

  private:
    VARIANT v_;
};

// The UTF-16 text of a BSTR, cut so that a page's text cannot grow without bound; a surrogate
// pair is never split by the cut.
std::u16string TextOf(BSTR text) {
    if (text == nullptr) {
        return {};  // a null BSTR is the empty string
    }
    std::size_t n = ::SysStringLen(text);
    if (n > kMaxPropertyUnits) {
        n = kMaxPropertyUnits;
        if (text[n - 1] >= 0xD800 && text[n - 1] <= 0xDBFF) {
            --n;
        }
    }
    return U16(text, n);
}

// The COM classes below derive from the system's interface declarations, whose destructors are
// not virtual (COM objects are never deleted through an interface pointer, only by their own
// Release). The objects here are deleted only by Release as well, so the warning about deleting
// through a base pointer does not apply to them.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"

class Site;

// The in-place frame the control is given: the main form, which has no menus, toolbars or status
// bar to share. It lives inside the site and counts its references with the site's, so the site
// stays alive while the control holds the frame.
class Frame final : public IOleInPlaceFrame {
  public:
    explicit Frame(Site& site) : site_(site) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IOleWindow: the main form.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL /*enter*/) override { return E_NOTIMPL; }

    // IOleInPlaceUIWindow: there is no room for the control's tools.
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT /*border*/) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS /*widths*/) override {
        return INPLACE_E_NOTOOLSPACE;
    }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS widths) override {
        // Null or all zero: the control asks for no space, which is all there is.
        if (widths == nullptr ||
            (widths->left == 0 && widths->top == 0 && widths->right == 0 && widths->bottom == 0)) {
            return S_OK;
        }
        return OLE_E_INVALIDRECT;
    }
    // The active object is only kept by frames that route keys to it; ours does not.
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* /*object*/,
                                              LPCOLESTR /*name*/) override {
        return S_OK;
    }

    // IOleInPlaceFrame: no menus to merge, no status bar, no accelerators of the form's own.
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU /*shared*/, LPOLEMENUGROUPWIDTHS /*widths*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU /*shared*/, HOLEMENU /*descriptor*/, HWND /*object*/) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU /*shared*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR /*text*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL /*enable*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG /*message*/, WORD /*id*/) override {
        return S_FALSE;
    }

  private:
    Site& site_;
};

// The control's client site, in-place site and document host: where the control sits (the
// browser area), and how its page behaves there.
class Site final : public IOleClientSite,
                   public IOleInPlaceSite,
                   public IDocHostUIHandler,
                   public IServiceProvider,
                   public IInternetSecurityManager {
  public:
    // Made with one reference, the engine's.
    explicit Site(HWND host) : host_(host) {}

    HWND host() const { return host_; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IOleClientSite)) {
            *out = static_cast<IOleClientSite*>(this);
        } else if (iid == __uuidof(IOleWindow) || iid == __uuidof(IOleInPlaceSite)) {
            *out = static_cast<IOleInPlaceSite*>(this);
        } else if (iid == __uuidof(IDocHostUIHandler)) {
            *out = static_cast<IDocHostUIHandler*>(this);
        } else if (iid == __uuidof(IServiceProvider)) {
            *out = static_cast<IServiceProvider*>(this);
        } else {
            *out = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // IOleClientSite: nothing is saved and there is no container document.
    HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetMoniker(DWORD /*assign*/, DWORD /*which*/, IMoniker** moniker) override {
        if (moniker != nullptr) {
            *moniker = nullptr;
        }
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override {
        if (container != nullptr) {
            *container = nullptr;
        }
        return E_NOINTERFACE;
    }
    HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnShowWindow(WINBOOL /*show*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

    // IOleWindow: the browser area.
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override {
        if (window == nullptr) {
            return E_POINTER;
        }
        *window = host_;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL /*enter*/) override { return E_NOTIMPL; }

    // IOleInPlaceSite
    HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                               LPRECT position, LPRECT clip,
                                               LPOLEINPLACEFRAMEINFO frameInfo) override {
        if (frame == nullptr || document == nullptr || position == nullptr || clip == nullptr ||
            frameInfo == nullptr) {
            return E_POINTER;
        }
        *frame = &frame_;
        frame_.AddRef();
        *document = nullptr;  // the frame is the only UI window there is
        // The control fills the whole browser area and is clipped by it.
        RECT area{};
        ::GetClientRect(host_, &area);
        *position = area;
        *clip = area;
        // cb was set by the control.
        frameInfo->fMDIApp = FALSE;
        frameInfo->hwndFrame = ::GetAncestor(host_, GA_ROOT);
        frameInfo->haccel = nullptr;
        frameInfo->cAccelEntries = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Scroll(SIZE /*extent*/) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE OnUIDeactivate(WINBOOL /*undoable*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
    // The area's size is the form's to decide: the control keeps the rectangle it was given
    // (HostResized gives it a new one), so its request is left unanswered.
    HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT /*position*/) override { return S_OK; }

    // IDocHostUIHandler
    // S_OK: "the host showed its own menu", so the page's context menu never opens.
    HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD /*id*/, POINT* /*at*/, IUnknown* /*target*/,
                                              IDispatch* /*object*/) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override {
        if (info == nullptr) {
            return E_POINTER;
        }
        // cbSize was set by the control. The page sits flat in the form, drawn with the system's
        // visual style, and is scaled with the screen's DPI as the rest of the program is.
        info->dwFlags = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_THEME | DOCHOSTUIFLAG_DPI_AWARE;
        info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
        info->pchHostCss = nullptr;
        info->pchHostNS = nullptr;
        return S_OK;
    }
    // The form has no menus or toolbars for the control to share, and wants none of its own.
    HRESULT STDMETHODCALLTYPE ShowUI(DWORD /*id*/, IOleInPlaceActiveObject* /*object*/,
                                     IOleCommandTarget* /*target*/, IOleInPlaceFrame* /*frame*/,
                                     IOleInPlaceUIWindow* /*document*/) override {
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL /*enable*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL /*activate*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL /*activate*/) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT /*border*/, IOleInPlaceUIWindow* /*window*/,
                                           WINBOOL /*frameWindow*/) override {
        return E_NOTIMPL;
    }
    // S_FALSE: not a key of ours, the control handles it as it always does.
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG /*message*/, const GUID* /*group*/,
                                                   DWORD /*command*/) override {
        return S_FALSE;
    }
    // S_FALSE with no key: the control keeps the system's settings; the program writes none.
    HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD /*reserved*/) override {
        if (key != nullptr) {
            *key = nullptr;
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget* /*target*/, IDropTarget** replacement) override {
        if (replacement != nullptr) {
            *replacement = nullptr;
        }
        return E_NOTIMPL;
    }
    // The page gets no window.external object from the program.
    HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** external) override {
        if (external != nullptr) {
            *external = nullptr;
        }
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD /*reserved*/, LPWSTR /*in*/, LPWSTR* out) override {
        if (out != nullptr) {
            *out = nullptr;
        }
        return S_FALSE;  // the address stays as it is
    }
    HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject* /*object*/, IDataObject** replacement) override {
        if (replacement != nullptr) {
            *replacement = nullptr;
        }
        return S_FALSE;  // the data goes out as it is
    }

    // The service page, whose script is allowed to run whatever the zone's settings say.
    void AllowScriptFor(const std::wstring& url) { pageUrl_ = url; }

    // IServiceProvider: the control asks its host for a security manager before its own. Under
    // Enhanced Security Configuration, or a policy that turns scripting off, the service page's
    // script would never run and every translation would time out with no sign why.
    HRESULT STDMETHODCALLTYPE QueryService(REFGUID service, REFIID iid, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (service != SID_SInternetSecurityManager || iid != __uuidof(IInternetSecurityManager)) {
            return E_NOINTERFACE;
        }
        *out = static_cast<IInternetSecurityManager*>(this);
        AddRef();
        return S_OK;
    }

    // IInternetSecurityManager: running script on the service page's origin is allowed; every
    // other question goes to the system's own manager (INET_E_DEFAULT_ACTION).
    HRESULT STDMETHODCALLTYPE SetSecuritySite(IInternetSecurityMgrSite* /*site*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetSecuritySite(IInternetSecurityMgrSite** site) override {
        if (site != nullptr) {
            *site = nullptr;
        }
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE MapUrlToZone(LPCWSTR /*url*/, DWORD* /*zone*/, DWORD /*flags*/) override {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE GetSecurityId(LPCWSTR /*url*/, BYTE* /*id*/, DWORD* /*size*/,
                                            DWORD_PTR /*reserved*/) override {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE ProcessUrlAction(LPCWSTR url, DWORD action, BYTE* policy, DWORD policySize,
                                               BYTE* /*context*/, DWORD /*contextSize*/, DWORD /*flags*/,
                                               DWORD /*reserved*/) override {
        if (!GrantsUrlAction(pageUrl_, url, action) || policy == nullptr || policySize < sizeof(DWORD)) {
            return INET_E_DEFAULT_ACTION;
        }
        DWORD allow = URLPOLICY_ALLOW;
        std::memcpy(policy, &allow, sizeof allow);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE QueryCustomPolicy(LPCWSTR /*url*/, REFGUID /*key*/, BYTE** /*policy*/,
                                                DWORD* /*size*/, BYTE* /*context*/, DWORD /*contextSize*/,
                                                DWORD /*reserved*/) override {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE SetZoneMapping(DWORD /*zone*/, LPCWSTR /*pattern*/, DWORD /*flags*/) override {
        return INET_E_DEFAULT_ACTION;
    }
    HRESULT STDMETHODCALLTYPE GetZoneMappings(DWORD /*zone*/, IEnumString** mappings,
                                              DWORD /*flags*/) override {
        if (mappings != nullptr) {
            *mappings = nullptr;
        }
        return INET_E_DEFAULT_ACTION;
    }

  private:
    // Only Release deletes a site.
    ~Site() = default;

    ULONG references_ = 1;
    HWND host_;
    std::wstring pageUrl_;
    Frame frame_{*this};
};

#pragma GCC diagnostic pop

HRESULT STDMETHODCALLTYPE Frame::QueryInterface(REFIID iid, void** out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IOleWindow) || iid == __uuidof(IOleInPlaceUIWindow) ||
        iid == __uuidof(IOleInPlaceFrame)) {
        *out = static_cast<IOleInPlaceFrame*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE Frame::AddRef() {
    return site_.AddRef();
}

ULONG STDMETHODCALLTYPE Frame::Release() {
    return site_.Release();
}

HRESULT STDMETHODCALLTYPE Frame::GetWindow(HWND* window) {
    if (window == nullptr) {
        return E_POINTER;
    }
    *window = ::GetAncestor(site_.host(), GA_ROOT);
    return S_OK;
}

// A member of an element, and the interface that knows its id.
struct Member {
    IDispatch* element = nullptr;  // the caller's, for the time of one call
    Ref<IDispatchEx> elementEx;    // set when the id came from IDispatchEx
    DISPID id = DISPID_UNKNOWN;
};

// The member by its name without regard to letter case: through IDispatchEx when the element has
// it (the DOM's own objects do), otherwise through GetIDsOfNames, which the DOM's objects answer
// without regard to case as well.
std::optional<Member> FindMember(IDispatch* element, const std::u16string& name) {
    Bstr memberName(name);
    if (!memberName) {
        return std::nullopt;
    }
    Member member;
    member.element = element;
    if (Ref<IDispatchEx> ex = Query<IDispatchEx>(element)) {
        if (SUCCEEDED(ex->GetDispID(memberName.get(), fdexNameCaseInsensitive, &member.id))) {
            member.elementEx = std::move(ex);
            return member;
        }
    }
    LPOLESTR names[] = {memberName.get()};
    if (FAILED(element->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &member.id))) {
        return std::nullopt;
    }
    return member;
}

HRESULT InvokeMember(const Member& member, WORD kind, DISPPARAMS* params, VARIANT* result) {
    // No EXCEPINFO is asked for, so a script exception leaves nothing of ours to free.
    if (member.elementEx) {
        return member.elementEx->InvokeEx(member.id, LOCALE_USER_DEFAULT, kind, params, result, nullptr,
                                          nullptr);
    }
    return member.element->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT, kind, params, result, nullptr,
                                  nullptr);
}

std::optional<std::u16string> GetProperty(IDispatch* element, const std::u16string& name) {
    std::optional<Member> member = FindMember(element, name);
    if (!member) {
        return std::nullopt;
    }
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    Variant value;
    if (FAILED(InvokeMember(*member, DISPATCH_PROPERTYGET, &none, value.get()))) {
        return std::nullopt;
    }
    if (value.get()->vt == VT_BSTR) {
        return TextOf(value.get()->bstrVal);
    }
    // Numbers in the user's format and true/false as words, as a string conversion of the value
    // gives them. Null (or anything else without a text) is no value.
    Variant text;
    if (FAILED(::VariantChangeType(text.get(), value.get(), VARIANT_ALPHABOOL, VT_BSTR)) ||
        text.get()->vt != VT_BSTR) {
        return std::nullopt;
    }
    return TextOf(text.get()->bstrVal);
}

bool SetProperty(IDispatch* element, const std::u16string& name, const std::u16string& value) {
    std::optional<Member> member = FindMember(element, name);
    if (!member) {
        return false;
    }
    Bstr text(value);
    if (!text) {
        return false;
    }
    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_BSTR;
    argument.bstrVal = text.get();  // still owned by `text`: Invoke only reads its arguments
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&argument, &named, 1, 1};
    return SUCCEEDED(InvokeMember(*member, DISPATCH_PROPERTYPUT, &params, nullptr));
}

bool CallMethod(IDispatch* element, const std::u16string& name) {
    std::optional<Member> member = FindMember(element, name);
    if (!member) {
        return false;
    }
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    Variant result;  // whatever the method returns is dropped
    return SUCCEEDED(InvokeMember(*member, DISPATCH_METHOD, &none, result.get()));
}

class EmbeddedEngine final : public BrowserEngine {
  public:
    EmbeddedEngine() = default;
    EmbeddedEngine(const EmbeddedEngine&) = delete;
    EmbeddedEngine& operator=(const EmbeddedEngine&) = delete;
    ~EmbeddedEngine() override { Destroy(); }

    void Navigate(const std::u16string& url) override {
        if (!browser_) {
            pendingUrl_ = url;  // the control comes with the browser area
            return;
        }
        Bstr address(url);
        if (!address) {
            return;
        }
        site_->AllowScriptFor(std::wstring(W(url), url.size()));
        VARIANT target;
        ::VariantInit(&target);
        target.vt = VT_BSTR;
        target.bstrVal = address.get();  // still owned by `address`: Navigate2 only reads it
        VARIANT none;
        ::VariantInit(&none);  // VT_EMPTY: no flags, frame, post data or headers
        browser_->Navigate2(&target, &none, &none, &none, &none);
        // A failed start leaves the document the control has; the program's poll sees that.
    }

    std::optional<std::u16string> GetElementProperty(const std::u16string& id,
                                                     const std::u16string& name) override {
        Ref<IDispatch> element = FindElement(id);
        return element ? GetProperty(element.get(), name) : std::nullopt;
    }

    bool SetElementProperty(const std::u16string& id, const std::u16string& name,
                            const std::u16string& value) override {
        Ref<IDispatch> element = FindElement(id);
        return element && SetProperty(element.get(), name, value);
    }

    bool CallElementMethod(const std::u16string& id, const std::u16string& name) override {
        Ref<IDispatch> element = FindElement(id);
        return element && CallMethod(element.get(), name);
    }

    std::u16string TakeProblem() override { return std::exchange(problem_, std::u16string()); }

    void HostCreated(HWND host) override {
        if (host_ != nullptr || host == nullptr) {
            return;  // the area is made once
        }
        host_ = host;
        if (!Create()) {
            Destroy();
            problem_ = u"The system's web browser control could not be created.";
            return;
        }
        if (pendingUrl_) {
            std::u16string url = std::move(*pendingUrl_);
            pendingUrl_.reset();
            Navigate(url);
        }
    }

    // The control is deactivated and closed while its container window still exists.
    void HostDestroying() override { Destroy(); }

    void HostResized(int width, int height) override {
        if (!object_) {
            return;  // the control takes the area's size when it is made
        }
        Ref<IOleInPlaceObject> inPlace = Query<IOleInPlaceObject>(object_.get());
        if (!inPlace) {
            return;
        }
        RECT area{0, 0, width > 0 ? width : 0, height > 0 ? height : 0};
        inPlace->SetObjectRects(&area, &area);
    }

  private:
    // The control, in place in the browser area. False when any step fails; what was made stays
    // for Destroy.
    bool Create() {
        if (FAILED(::CoCreateInstance(__uuidof(WebBrowser), nullptr, CLSCTX_INPROC_SERVER,
                                      __uuidof(IOleObject), object_.OutVoid()))) {
            object_.Reset();
            return false;
        }
        site_ = new (std::nothrow) Site(host_);
        if (site_ == nullptr) {
            return false;
        }
        // The control wants its site before anything else (OLEMISC_SETCLIENTSITEFIRST).
        if (FAILED(object_->SetClientSite(site_))) {
            return false;
        }
        siteSet_ = true;
        // A new control starts empty rather than from saved state.
        if (Ref<IPersistStreamInit> persist = Query<IPersistStreamInit>(object_.get())) {
            if (FAILED(persist->InitNew())) {
                return false;
            }
        }
        // An embedding of ours: it is not kept running by the link machinery.
        if (FAILED(::OleSetContainedObject(object_.get(), TRUE))) {
            return false;
        }
        RECT area{};
        ::GetClientRect(host_, &area);
        if (FAILED(object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_, 0, host_, &area))) {
            return false;
        }
        browser_ = Query<IWebBrowser2>(object_.get());
        if (!browser_) {
            return false;
        }
        // Script errors of the page stay silent instead of opening a box over the program, and
        // a file dropped on the page cannot replace the service page. Neither is worth giving
        // up the control for, so their failures are let be.
        browser_->put_Silent(VARIANT_TRUE);
        browser_->put_RegisterAsDropTarget(VARIANT_FALSE);
        return true;
    }

    // Takes the control out of the area and lets it go, with the site.
    void Destroy() {
        if (object_) {
            if (Ref<IOleInPlaceObject> inPlace = Query<IOleInPlaceObject>(object_.get())) {
                inPlace->InPlaceDeactivate();
            }
            object_->Close(OLECLOSE_NOSAVE);
            if (siteSet_) {
                object_->SetClientSite(nullptr);
                siteSet_ = false;
            }
        }
        browser_.Reset();
        object_.Reset();
        if (site_ != nullptr) {
            site_->Release();
            site_ = nullptr;
        }
    }

    // document.getElementById(id), as the element's own IDispatch (which knows all its members,
    // not only those of IHTMLElement). The document is whatever the control has now: during a
    // navigation the old one stays until the new one arrives.
    Ref<IDispatch> FindElement(const std::u16string& id) {
        if (!browser_) {
            return {};
        }
        Ref<IDispatch> document;
        if (FAILED(browser_->get_Document(document.Out())) || !document) {
            return {};  // no document yet
        }
        Ref<IHTMLDocument3> html = Query<IHTMLDocument3>(document.get());
        if (!html) {
            return {};  // a document that is not a page (a folder, a picture of its own)
        }
        Bstr elementId(id);
        if (!elementId) {
            return {};
        }
        Ref<IHTMLElement> element;
        if (FAILED(html->getElementById(elementId.get(), element.Out())) || !element) {
            return {};
        }
        return Query<IDispatch>(element.get());
    }

    HWND host_ = nullptr;
    Site* site_ = nullptr;  // our reference; the control holds its own while the site is set
    bool siteSet_ = false;
    Ref<IOleObject> object_;
    Ref<IWebBrowser2> browser_;  // set once the control is in place
    std::optional<std::u16string> pendingUrl_;
    std::u16string problem_;
};

}  // namespace

std::unique_ptr<BrowserEngine> MakeEmbeddedEngine() {
    return std::make_unique<EmbeddedEngine>();
}

}  // namespace plv::win
