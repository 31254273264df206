// COM for the Win32 code: an apartment for the length of one operation, and owners of the
// interface pointers and strings that COM hands out.
#pragma once

#include <windows.h>

#include <objbase.h>
#include <oleauto.h>

#include <functional>
#include <initializer_list>
#include <string>

#include "base/late_bound_win32.h"
#include "base/unicode_win32.h"
#include "base/unique_handle.h"

namespace tarnix {

// Made through the component library, which only the commands that need it load.
inline HRESULT CreateComObject(REFCLSID type, REFIID face, void** object) {
  static auto* const create =
      LateBound<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
  return create ? create(type, nullptr, CLSCTX_INPROC_SERVER, face, object) : E_FAIL;
}

// COM's strings come from oleaut32, also loaded only by the commands that use COM.
inline BSTR AllocBstr(const wchar_t* text) {
  static auto* const alloc = LateBound<decltype(SysAllocString)>(L"oleaut32.dll", "SysAllocString");
  return alloc ? alloc(text) : nullptr;
}
inline void FreeBstr(BSTR text) {
  static auto* const free = LateBound<decltype(SysFreeString)>(L"oleaut32.dll", "SysFreeString");
  if (free)
    free(text);
}
inline UINT BstrLength(BSTR text) {
  static auto* const length = LateBound<decltype(SysStringLen)>(L"oleaut32.dll", "SysStringLen");
  return length ? length(text) : 0;
}

// COM for the duration of one operation. A thread already in another apartment keeps it.
class ComScope {
 public:
  explicit ComScope(DWORD mode = COINIT_APARTMENTTHREADED) {
    static auto* const enter = LateBound<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    result_ = enter ? enter(nullptr, mode) : E_FAIL;
  }
  ~ComScope() {
    static auto* const leave = LateBound<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (SUCCEEDED(result_))
      leave();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

namespace handle_traits {

template <typename Interface>
struct Com {
  using Handle = Interface*;
  static Interface* Invalid() { return nullptr; }
  static void Close(Interface* object) { object->Release(); }
};

struct Bstr {
  using Handle = BSTR;
  static BSTR Invalid() { return nullptr; }
  static void Close(BSTR text) { FreeBstr(text); }
};

}  // namespace handle_traits

// One reference to a COM object, released when it goes.
template <typename Interface>
class ComPtr : public UniqueHandle<handle_traits::Com<Interface>> {
 public:
  using UniqueHandle<handle_traits::Com<Interface>>::UniqueHandle;
  Interface* operator->() const { return this->get(); }
  // Where CoCreateInstance and QueryInterface write the object.
  void** put_void() { return reinterpret_cast<void**>(this->put()); }
};

using BstrHandle = UniqueHandle<handle_traits::Bstr>;

inline BstrHandle MakeBstr(const std::string& utf8) {
  return BstrHandle(AllocBstr(Widen(utf8).c_str()));
}

// A BSTR as UTF-8; a null one is the empty string, as COM has it.
inline std::string FromBstr(BSTR text) {
  return text ? Narrow(std::wstring(text, BstrLength(text))) : std::string();
}

// Runs the steps in order up to the first that fails; that one's result, or the last one's.
inline HRESULT InOrder(std::initializer_list<std::function<HRESULT()>> steps) {
  HRESULT result = S_OK;
  for (const auto& step : steps) {
    if (FAILED(result = step()))
      break;
  }
  return result;
}

// Calls a getter of a BSTR and keeps its text where it succeeds.
template <typename Getter>
HRESULT ReadText(Getter get, std::string& text) {
  BstrHandle value;
  const HRESULT result = get(value.put());
  if (SUCCEEDED(result))
    text = FromBstr(value.get());
  return result;
}

}  // namespace tarnix
