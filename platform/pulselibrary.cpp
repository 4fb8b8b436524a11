#include "platform/pulselibrary.h"

#include <dlfcn.h>

#include <optional>

namespace {

// The runtime library of Debian's libpulse0, which the package depends on.
const char *const LibraryName = "libpulse.so.0";

struct Loaded
{
    std::optional<PulseLibrary> library;
    const char *failure = nullptr;
};

Loaded loadLibrary()
{
    void *handle = dlopen(LibraryName, RTLD_NOW | RTLD_LOCAL);
    if (!handle)
        return {std::nullopt, dlerror()};
    PulseLibrary library;
    bool complete = true;
#define TOMELOR_PULSE_LOOKUP(name)                                                                                     \
    library.name = reinterpret_cast<decltype(&pa_##name)>(dlsym(handle, "pa_" #name));                                 \
    complete = complete && library.name;
    TOMELOR_PULSE_FUNCTIONS(TOMELOR_PULSE_LOOKUP)
#undef TOMELOR_PULSE_LOOKUP
    // The library stays loaded for the rest of the run: its threads and callbacks may outlive any one player.
    if (!complete)
        return {std::nullopt, "a function of libpulse.so.0 is missing"};
    return {library, nullptr};
}

} // namespace

const PulseLibrary *PulseLibrary::load(const char **failure)
{
    static const Loaded loaded = loadLibrary();
    if (failure)
        *failure = loaded.failure;
    return loaded.library ? &*loaded.library : nullptr;
}
