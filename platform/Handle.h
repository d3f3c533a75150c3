#pragma once
// Owning wrappers for Win32 handles: each closes its handle exactly once.

#include <windows.h>

#include <utility>

namespace platform {

template <typename Traits> class UniqueHandle {
  public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type handle) : handle_(handle) {}
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : handle_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~UniqueHandle() { Reset(); }

    Type Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Traits::Invalid(); }
    Type Release() { return std::exchange(handle_, Traits::Invalid()); }
    void Reset(Type handle = Traits::Invalid()) {
        if (handle_ != Traits::Invalid())
            Traits::Close(handle_);
        handle_ = handle;
    }

  private:
    Type handle_ = Traits::Invalid();
};

struct KernelHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::CloseHandle(h); }
};

// CreateFile reports failure with INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Type h) { ::CloseHandle(h); }
};

struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::RegCloseKey(h); }
};

struct ModuleTraits {
    using Type = HMODULE;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::FreeLibrary(h); }
};

struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::DeleteObject(h); }
};

struct LocalMemoryTraits {
    using Type = HLOCAL;
    static Type Invalid() { return nullptr; }
    static void Close(Type h) { ::LocalFree(h); }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FileHandle = UniqueHandle<FileHandleTraits>;
using RegKey = UniqueHandle<RegKeyTraits>;
using Module = UniqueHandle<ModuleTraits>;
using GdiObject = UniqueHandle<GdiObjectTraits>;
using LocalMemory = UniqueHandle<LocalMemoryTraits>;

} // namespace platform
