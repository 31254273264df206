// The one owner of one handle of the platform: it closes the handle when it goes, hands it on
// by moving and is never copied. Traits say what the handle is, which value holds none and
// how one is closed:
//
//   struct KeyTraits {
//     using Handle = HKEY;
//     static HKEY Invalid() { return nullptr; }
//     static void Close(HKEY key) { RegCloseKey(key); }
//   };
//   UniqueHandle<KeyTraits> key;
//   RegOpenKeyExW(root, path, 0, KEY_READ, key.put());
#pragma once

#include <utility>

namespace tarnix {

template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  ~UniqueHandle() { reset(); }
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  Handle get() const { return handle_; }
  bool valid() const { return handle_ != Traits::Invalid(); }
  // Gives the handle up unclosed; the owner then holds none.
  Handle release() { return std::exchange(handle_, Traits::Invalid()); }
  // Closes the handle held, if any, and holds this one instead.
  void reset(Handle handle = Traits::Invalid()) {
    Handle old = std::exchange(handle_, handle);
    if (old != Traits::Invalid())
      Traits::Close(old);
  }
  // Where a function that opens a handle writes it; the one held before is closed first.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_ = Traits::Invalid();
};

}  // namespace tarnix
