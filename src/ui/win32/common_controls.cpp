#include "ui/win32/common_controls.h"

#include <stdexcept>
#include <string>

#include "ui/ui_resources.h"

namespace tarnix::ui::win32 {

namespace {

// Windows made on this thread from now on get the version-6 classes. Never deactivated: the
// windows and message boxes of the whole program need them.
void ActivateVersion6() {
  ACTCTXW context{};
  context.cbSize = sizeof(context);
  context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.hModule = GetModuleHandleW(nullptr);
  context.lpResourceName = MAKEINTRESOURCEW(IDR_COMMON_CONTROLS_MANIFEST);
  HANDLE handle = CreateActCtxW(&context);
  ULONG_PTR cookie = 0;
  if (handle != INVALID_HANDLE_VALUE)
    ActivateActCtx(handle, &cookie);
}

using InitFunction = decltype(InitCommonControlsEx);

// The library, or null when it cannot be loaded (a window of its classes then cannot be made,
// and the standard controls keep their plain look).
HMODULE Library() {
  static const HMODULE library = []() -> HMODULE {
    ActivateVersion6();
    HMODULE module = LoadLibraryW(L"comctl32.dll");
    FARPROC init = module ? GetProcAddress(module, "InitCommonControlsEx") : nullptr;
    if (init == nullptr)
      return nullptr;
    INITCOMMONCONTROLSEX classes{};
    classes.dwSize = sizeof(classes);
    classes.dwICC = ICC_TAB_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES |
                    ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    reinterpret_cast<InitFunction*>(reinterpret_cast<void (*)()>(init))(&classes);
    return module;
  }();
  return library;
}

bool loaded = false;

template <class F>
F* Function(const char* name) {
  FARPROC proc = LoadCommonControls() ? GetProcAddress(Library(), name) : nullptr;
  if (proc == nullptr)
    throw std::runtime_error(std::string("The common controls (comctl32.dll) have no ") + name +
                             ".");
  return reinterpret_cast<F*>(reinterpret_cast<void (*)()>(proc));
}

}  // namespace

bool LoadCommonControls() {
  loaded = true;
  return Library() != nullptr;
}

bool CommonControlsLoaded() {
  return loaded;
}

HIMAGELIST CreateImageList(int width, int height, UINT flags, int initial, int grow) {
  static auto* const create = Function<decltype(ImageList_Create)>("ImageList_Create");
  return create(width, height, flags, initial, grow);
}

int AddToImageList(HIMAGELIST list, HBITMAP image, HBITMAP mask) {
  static auto* const add = Function<decltype(ImageList_Add)>("ImageList_Add");
  return add(list, image, mask);
}

void DestroyImageList(HIMAGELIST list) {
  static auto* const destroy = Function<decltype(ImageList_Destroy)>("ImageList_Destroy");
  destroy(list);
}

void DrawFromImageList(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style) {
  static auto* const draw = Function<decltype(ImageList_Draw)>("ImageList_Draw");
  draw(list, index, dc, x, y, style);
}

int ImageListCount(HIMAGELIST list) {
  static auto* const count = Function<decltype(ImageList_GetImageCount)>("ImageList_GetImageCount");
  return count(list);
}

}  // namespace tarnix::ui::win32
