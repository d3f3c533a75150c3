#pragma once
// An unnamed Win32 mutex: it serialises the threads of this process only.

#include "platform/Handle.h"

namespace platform {

class Mutex {
  public:
    Mutex() : handle_(::CreateMutexA(nullptr, FALSE, nullptr)) {}
    Mutex(const Mutex&) = delete;
    Mutex& operator=(const Mutex&) = delete;
    // Waits without a time limit. The outcome is not reported: an abandoned
    // mutex is owned all the same, and a missing one cannot be waited for.
    void Lock() { ::WaitForSingleObject(handle_.Get(), INFINITE); }
    void Unlock() { ::ReleaseMutex(handle_.Get()); }

  private:
    KernelHandle handle_;
};

// Holds a Mutex for its own lifetime, so every path out releases it.
class MutexLock {
  public:
    explicit MutexLock(Mutex& mutex) : mutex_(mutex) { mutex_.Lock(); }
    MutexLock(const MutexLock&) = delete;
    MutexLock& operator=(const MutexLock&) = delete;
    ~MutexLock() { mutex_.Unlock(); }

  private:
    Mutex& mutex_;
};

} // namespace platform
