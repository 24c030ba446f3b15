#pragma once

#include <windows.h>

#include <utility>

// Owners of Win32 resources: each destructor gives its resource back, so that no failure path
// leaks one.
namespace tarvic::win32 {

class ScopedFile {
 public:
  explicit ScopedFile(HANDLE handle) : handle_(handle) {}
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
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

}  // namespace tarvic::win32
