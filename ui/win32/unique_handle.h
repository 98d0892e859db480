// Move-only owners for Win32 handles: one owner closes its handle once.
#pragma once

#include <windows.h>

#include <utility>

namespace win32 {

// `Traits` names the handle type and how to close it.
template <typename Traits>
class UniqueHandle {
 public:
  using Handle = typename Traits::Handle;

  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.release()) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }

  // Gives up ownership, for a handle that the system has already closed.
  Handle release() { return std::exchange(handle_, Handle{}); }

  void reset(Handle handle = Handle{}) {
    if (handle_ != Handle{}) Traits::Close(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_{};
};

struct FontTraits {
  using Handle = HFONT;
  static void Close(HFONT font) { DeleteObject(font); }
};
using UniqueFont = UniqueHandle<FontTraits>;

// A window also destroys its child windows and the windows it owns.
struct WindowTraits {
  using Handle = HWND;
  static void Close(HWND window) { DestroyWindow(window); }
};
using UniqueWindow = UniqueHandle<WindowTraits>;

}  // namespace win32
