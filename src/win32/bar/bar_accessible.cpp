#include "win32/bar/bar_accessible.h"

#include <optional>
#include <string>
#include <utility>

#include "win32/base/unicode.h"

namespace olb::win {
namespace {

constexpr LONG kPartCount = kForwardStripChild;  // the parts painted or glyph-only
constexpr LONG kChildCount = kListChild;

using LresultFromObjectFn = LRESULT(WINAPI*)(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT(WINAPI*)(HWND, LONG, REFIID, void**);
using AccessibleObjectFromWindowFn = HRESULT(WINAPI*)(HWND, DWORD, REFIID, void**);

struct Oleacc {
  LresultFromObjectFn lresultFromObject = nullptr;
  CreateStdAccessibleObjectFn createStd = nullptr;
  AccessibleObjectFromWindowFn fromWindow = nullptr;
};

// Loaded once, for the program's life.
const Oleacc& OleaccFunctions() {
  static const Oleacc functions = [] {
    Oleacc f;
    if (const HMODULE dll = LoadLibraryW(L"oleacc.dll")) {
      f.lresultFromObject = reinterpret_cast<LresultFromObjectFn>(
          reinterpret_cast<void*>(GetProcAddress(dll, "LresultFromObject")));
      f.createStd = reinterpret_cast<CreateStdAccessibleObjectFn>(
          reinterpret_cast<void*>(GetProcAddress(dll, "CreateStdAccessibleObject")));
      f.fromWindow = reinterpret_cast<AccessibleObjectFromWindowFn>(
          reinterpret_cast<void*>(GetProcAddress(dll, "AccessibleObjectFromWindow")));
    }
    return f;
  }();
  return functions;
}

BSTR Bstr(const std::string& text) {
  return SysAllocString(Widen(text).c_str());
}

}  // namespace

// The COM object: it may outlive the window (a reader keeps a reference),
// so it asks the window's side only while connected.
class BarAccessible final : public IAccessible {
 public:
  BarAccessible(BarAccessibility& owner, IAccessible* standard)
      : owner_(&owner), standard_(standard) {}

  void Disconnect() {
    owner_ = nullptr;
    if (standard_) standard_->Release();
    standard_ = nullptr;
  }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == __uuidof(IAccessible)) {
      *out = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) {
      Disconnect();
      delete this;
    }
    return left;
  }

  // IDispatch: readers use the IAccessible methods directly.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    return E_NOTIMPL;
  }

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    if (!owner_) return RPC_E_DISCONNECTED;
    return standard_ ? standard_->get_accParent(parent) : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    if (!count) return E_POINTER;
    if (!owner_) return RPC_E_DISCONNECTED;
    *count = kChildCount;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!owner_) return RPC_E_DISCONNECTED;
    const LONG id = ChildId(child);
    if (id >= 1 && id <= kPartCount) return S_FALSE;  // a simple element
    const HWND window = WindowOf(id);
    if (!window) return E_INVALIDARG;
    const Oleacc& f = OleaccFunctions();
    if (!f.fromWindow) return E_FAIL;
    return f.fromWindow(window, static_cast<DWORD>(OBJID_CLIENT), IID_IDispatch,
                        reinterpret_cast<void**>(out));
  }
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (!name) return E_POINTER;
    *name = nullptr;
    if (!owner_) return RPC_E_DISCONNECTED;
    const LONG id = ChildId(child);
    if (id == CHILDID_SELF) {
      *name = Bstr(std::string(kBarName));
      return S_OK;
    }
    if (const std::optional<AccessiblePart> part = Part(id)) {
      *name = Bstr(part->name);
      return S_OK;
    }
    return WindowOf(id) ? S_FALSE : E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT, BSTR* value) override {
    if (!value) return E_POINTER;
    *value = nullptr;
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override {
    if (!text) return E_POINTER;
    *text = nullptr;
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (!role) return E_POINTER;
    VariantInit(role);
    if (!owner_) return RPC_E_DISCONNECTED;
    const LONG id = ChildId(child);
    role->vt = VT_I4;
    if (id == CHILDID_SELF) {
      role->lVal = ROLE_SYSTEM_CLIENT;
    } else if (const std::optional<AccessiblePart> part = Part(id)) {
      role->lVal = static_cast<LONG>(part->role);
    } else {
      role->vt = VT_EMPTY;
      return E_INVALIDARG;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    if (!state) return E_POINTER;
    VariantInit(state);
    if (!owner_) return RPC_E_DISCONNECTED;
    const LONG id = ChildId(child);
    if (id == CHILDID_SELF && standard_) return standard_->get_accState(child, state);
    const std::optional<AccessiblePart> part = Part(id);
    if (!part) return E_INVALIDARG;
    state->vt = VT_I4;
    state->lVal = part->unavailable ? STATE_SYSTEM_UNAVAILABLE : 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
    if (!help) return E_POINTER;
    *help = nullptr;
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
    if (file) *file = nullptr;
    if (topic) *topic = 0;
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
    if (!shortcut) return E_POINTER;
    *shortcut = nullptr;
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
    if (!focus) return E_POINTER;
    VariantInit(focus);
    if (!owner_) return RPC_E_DISCONNECTED;
    const HWND focused = GetFocus();
    if (focused != owner_->list_) return S_FALSE;
    const LONG id = kListChild;
    VARIANT child;
    child.vt = VT_I4;
    child.lVal = id;
    IDispatch* object = nullptr;
    if (SUCCEEDED(get_accChild(child, &object)) && object) {
      focus->vt = VT_DISPATCH;
      focus->pdispVal = object;
    } else {
      *focus = child;
    }
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
    if (!selection) return E_POINTER;
    VariantInit(selection);
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT, BSTR* action) override {
    if (!action) return E_POINTER;
    *action = nullptr;
    return owner_ ? S_FALSE : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override {
    return owner_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    if (!left || !top || !width || !height) return E_POINTER;
    if (!owner_) return RPC_E_DISCONNECTED;
    const LONG id = ChildId(child);
    if (id == CHILDID_SELF && standard_)
      return standard_->accLocation(left, top, width, height, child);
    RECT r{};
    if (const std::optional<AccessiblePart> part = Part(id)) {
      r = {part->bounds.left, part->bounds.top, part->bounds.right, part->bounds.bottom};
      MapWindowPoints(owner_->bar_, nullptr, reinterpret_cast<POINT*>(&r), 2);
    } else if (const HWND window = WindowOf(id)) {
      GetWindowRect(window, &r);
    } else {
      return E_INVALIDARG;
    }
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    if (!end) return E_POINTER;
    VariantInit(end);
    if (!owner_) return RPC_E_DISCONNECTED;
    const LONG id = ChildId(start);
    LONG to = 0;
    if (direction == NAVDIR_FIRSTCHILD && id == CHILDID_SELF) to = 1;
    if (direction == NAVDIR_LASTCHILD && id == CHILDID_SELF) to = kChildCount;
    if (direction == NAVDIR_NEXT && id >= 1 && id < kChildCount) to = id + 1;
    if (direction == NAVDIR_PREVIOUS && id > 1 && id <= kChildCount) to = id - 1;
    if (to == 0) return S_FALSE;
    end->vt = VT_I4;
    end->lVal = to;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* hit) override {
    if (!hit) return E_POINTER;
    VariantInit(hit);
    if (!owner_) return RPC_E_DISCONNECTED;
    POINT p{x, y};
    ScreenToClient(owner_->bar_, &p);
    const std::vector<AccessiblePart> parts = owner_->parts_();
    for (size_t i = 0; i < parts.size(); ++i) {
      if (parts[i].bounds.Contains({p.x, p.y})) {
        hit->vt = VT_I4;
        hit->lVal = static_cast<LONG>(i) + 1;
        return S_OK;
      }
    }
    hit->vt = VT_I4;
    hit->lVal = CHILDID_SELF;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT) override {
    return owner_ ? DISP_E_MEMBERNOTFOUND : RPC_E_DISCONNECTED;
  }
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

 private:
  ~BarAccessible() = default;

  static LONG ChildId(const VARIANT& child) { return child.vt == VT_I4 ? child.lVal : -1; }

  std::optional<AccessiblePart> Part(LONG id) const {
    if (id < 1 || id > kPartCount) return std::nullopt;
    std::vector<AccessiblePart> parts = owner_->parts_();
    if (static_cast<size_t>(id) > parts.size()) return std::nullopt;
    return parts[static_cast<size_t>(id) - 1];
  }

  HWND WindowOf(LONG id) const { return id == kListChild ? owner_->list_ : nullptr; }

  ULONG refs_ = 1;
  BarAccessibility* owner_;
  IAccessible* standard_;
};

BarAccessibility::BarAccessibility(HWND bar, HWND list,
                                   std::function<std::vector<AccessiblePart>()> parts)
    : bar_(bar), list_(list), parts_(std::move(parts)) {}

BarAccessibility::~BarAccessibility() {
  if (!object_) return;
  object_->Disconnect();
  object_->Release();
}

bool BarAccessibility::Answer(WPARAM wp, LPARAM lp, LRESULT& result) {
  if (static_cast<LONG>(lp) != OBJID_CLIENT) return false;
  const Oleacc& f = OleaccFunctions();
  if (!f.lresultFromObject) return false;
  if (!object_) {
    IAccessible* standard = nullptr;
    if (f.createStd)
      f.createStd(bar_, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&standard));
    object_ = new BarAccessible(*this, standard);
  }
  result = f.lresultFromObject(__uuidof(IAccessible), wp, object_);
  return true;
}

void BarAccessibility::TitleChanged() {
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, bar_, OBJID_CLIENT, kTitleChild);
  NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, bar_, OBJID_CLIENT, kUpChild);
}

}  // namespace olb::win
