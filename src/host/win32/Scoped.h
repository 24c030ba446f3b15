#pragma once

#include <windows.h>

#include <utility>

// Owners of Win32 resources (files, kernel objects, memory blocks, SIDs, DCs, GDI objects), shared
// by the host and the windows: each destructor gives its resource back, so that no failure path
// leaks one.
namespace tarvic::win32 {

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ScopedFile(ScopedFile&& other) noexcept
      : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  ScopedFile& operator=(ScopedFile&& other) noexcept {
    if (this != &other) {
      if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
      handle_ = std::exchange(other.handle_, INVALID_HANDLE_VALUE);
    }
    return *this;
  }
  ~ScopedFile() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }
  // Closes now, so that a failing close is reported rather than ignored.
  BOOL Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle);
  }

 private:
  HANDLE handle_;
};

// A process, thread or job handle: calls that make these answer NULL on failure, not
// INVALID_HANDLE_VALUE.
class ScopedHandle {
 public:
  explicit ScopedHandle(HANDLE handle = nullptr) : handle_(handle) {}
  ScopedHandle(ScopedHandle&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  ScopedHandle& operator=(ScopedHandle&& other) noexcept {
    if (this != &other) {
      if (handle_ != nullptr) CloseHandle(handle_);
      handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
  }
  ScopedHandle(const ScopedHandle&) = delete;
  ScopedHandle& operator=(const ScopedHandle&) = delete;
  ~ScopedHandle() {
    if (handle_ != nullptr) CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }

 private:
  HANDLE handle_;
};

// A SID from AllocateAndInitializeSid.
class ScopedSid {
 public:
  ScopedSid() = default;
  ScopedSid(const ScopedSid&) = delete;
  ScopedSid& operator=(const ScopedSid&) = delete;
  ~ScopedSid() {
    if (sid_ != nullptr) FreeSid(sid_);
  }
  PSID Get() const { return sid_; }
  PSID* Receive() { return &sid_; }

 private:
  PSID sid_ = nullptr;
};

// A block the system allocated with LocalAlloc for the caller (a security descriptor, a SID, a
// string), freed at the end of the scope.
class ScopedLocal {
 public:
  ScopedLocal() = default;
  ScopedLocal(const ScopedLocal&) = delete;
  ScopedLocal& operator=(const ScopedLocal&) = delete;
  ~ScopedLocal() {
    if (memory_ != nullptr) LocalFree(memory_);
  }
  // Where a call puts the block it allocates.
  template <class Pointer>
  Pointer* Receive() {
    return reinterpret_cast<Pointer*>(&memory_);
  }
  template <class Pointer>
  Pointer As() const {
    return static_cast<Pointer>(memory_);
  }

 private:
  void* memory_ = nullptr;
};

// A global memory block, freed unless handed over (to the clipboard) by Release().
class ScopedGlobal {
 public:
  explicit ScopedGlobal(HGLOBAL memory) : memory_(memory) {}
  ScopedGlobal(ScopedGlobal&& other) noexcept : memory_(other.Release()) {}
  ScopedGlobal& operator=(ScopedGlobal&&) = delete;
  ~ScopedGlobal() {
    if (memory_ != nullptr) GlobalFree(memory_);
  }
  HGLOBAL Get() const { return memory_; }
  HGLOBAL Release() { return std::exchange(memory_, nullptr); }

 private:
  HGLOBAL memory_;
};

// A window's DC (the screen's with no window), released at the end of the scope.
class ScopedGetDC {
 public:
  explicit ScopedGetDC(HWND window) : window_(window), dc_(GetDC(window)) {}
  ScopedGetDC(const ScopedGetDC&) = delete;
  ScopedGetDC& operator=(const ScopedGetDC&) = delete;
  ~ScopedGetDC() {
    if (dc_ != nullptr) ReleaseDC(window_, dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// A memory DC compatible with another, deleted at the end of the scope.
class ScopedCompatibleDC {
 public:
  explicit ScopedCompatibleDC(HDC like) : dc_(CreateCompatibleDC(like)) {}
  ScopedCompatibleDC(const ScopedCompatibleDC&) = delete;
  ScopedCompatibleDC& operator=(const ScopedCompatibleDC&) = delete;
  ~ScopedCompatibleDC() {
    if (dc_ != nullptr) DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

// Selects an object into a DC and puts the previous one back at the end of the scope, so the
// object can be deleted afterwards.
class ScopedSelectObject {
 public:
  ScopedSelectObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ScopedSelectObject(const ScopedSelectObject&) = delete;
  ScopedSelectObject& operator=(const ScopedSelectObject&) = delete;
  ~ScopedSelectObject() {
    if (previous_ != nullptr && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A font, bitmap or brush the program created: deleted with its owner. Stock objects are never
// owned.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  GdiObject(GdiObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
  GdiObject& operator=(GdiObject&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.handle_, nullptr));
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  Handle Get() const { return handle_; }
  explicit operator bool() const { return handle_ != nullptr; }
  void Reset(Handle handle = nullptr) {
    if (handle_ != nullptr) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};

using OwnedFont = GdiObject<HFONT>;
using OwnedBitmap = GdiObject<HBITMAP>;

}  // namespace tarvic::win32
