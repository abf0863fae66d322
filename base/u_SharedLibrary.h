#pragma once
// A shared library loaded at run time: opened by path, asked for its exported symbols, closed
// when the object goes.

#include <memory>
#include <string>

class TSharedLibrary {
public:
    // The library at `path`, or null when it cannot be loaded.
    static std::unique_ptr<TSharedLibrary> Open(const std::string& path);
    ~TSharedLibrary();
    TSharedLibrary(const TSharedLibrary&) = delete;
    TSharedLibrary& operator=(const TSharedLibrary&) = delete;

    // The exported symbol `name`; null when the library does not export it.
    void* Symbol(const char* name) const;
    // The exported function `name` as a pointer of type F; null when absent.
    template <class F>
    F Function(const char* name) const
    {
        return reinterpret_cast<F>(Symbol(name));
    }

private:
    explicit TSharedLibrary(void* handle) : FHandle(handle) {}
    void* FHandle;
};
