#include "base/u_SharedLibrary.h"

#include <dlfcn.h>

std::unique_ptr<TSharedLibrary> TSharedLibrary::Open(const std::string& path)
{
    // Bind every symbol now so that a library missing one fails here, not in mid-generation;
    // keep its symbols to itself so that two libraries never see each other's.
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) return nullptr;
    return std::unique_ptr<TSharedLibrary>(new TSharedLibrary(handle));
}

TSharedLibrary::~TSharedLibrary()
{
    dlclose(FHandle);
}

void* TSharedLibrary::Symbol(const char* name) const
{
    return dlsym(FHandle, name);
}
