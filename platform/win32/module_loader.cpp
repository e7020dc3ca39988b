// Run-time module loading over dlopen. A Windows module name ("d3d9.dll") names a shared
// object ("d3d9.so") in the module directory: DFDEMO_MODULE_DIR when set, else the directory
// of the running program.

#include <dlfcn.h>
#include <limits.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/win32/win32.h"

namespace {

// The program's own module handle; not a dlopen handle.
const HMODULE kProgramModule = reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x400000));

// dlopen handles given out by LoadLibraryA, with the number of loads not yet freed.
std::map<void*, int>& LoadedModules() {
    static auto* modules = new std::map<void*, int>();
    return *modules;
}

std::string ModuleDirectory() {
    const char* configured = std::getenv("DFDEMO_MODULE_DIR");
    if (configured != nullptr && configured[0] != '\0') return configured;
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string program(path, static_cast<std::size_t>(length));
    const std::size_t slash = program.rfind('/');
    return slash == std::string::npos ? "." : program.substr(0, slash == 0 ? 1 : slash);
}

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// The file a module name stands for. Windows module names know no case; the files are named
// in lower case. A name without an extension gets one, as Windows gives it ".dll".
std::string ModulePath(const std::string& name) {
    if (name.find('/') != std::string::npos) return name;
    std::string file;
    for (char c : name) file += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    if (EndsWith(file, ".dll"))
        file.replace(file.size() - 4, 4, ".so");
    else if (file.find('.') == std::string::npos)
        file += ".so";
    return ModuleDirectory() + "/" + file;
}

void* ProgramHandle() {
    static void* program = dlopen(nullptr, RTLD_NOW);
    return program;
}

}  // namespace

HMODULE GetModuleHandleA(LPCSTR moduleName) {
    if (moduleName == nullptr) return kProgramModule;
    if (moduleName[0] == '\0') return nullptr;
    // Only a module this layer has loaded has a handle to give.
    void* handle = dlopen(ModulePath(moduleName).c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NOLOAD);
    if (handle == nullptr) return nullptr;
    dlclose(handle);  // RTLD_NOLOAD took a reference of its own
    return LoadedModules().count(handle) != 0 ? static_cast<HMODULE>(handle) : nullptr;
}

HMODULE LoadLibraryA(LPCSTR fileName) {
    if (fileName == nullptr || fileName[0] == '\0') return nullptr;
    void* handle = dlopen(ModulePath(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) return nullptr;
    ++LoadedModules()[handle];
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName) {
    // Entries are looked up by name; ordinals (small integers in place of a name) are not kept.
    if (module == nullptr || procName == nullptr ||
        reinterpret_cast<std::uintptr_t>(procName) < 0x10000)
        return nullptr;
    void* handle = nullptr;
    if (module == kProgramModule)
        handle = ProgramHandle();
    else if (LoadedModules().count(module) != 0)
        handle = module;
    if (handle == nullptr) return nullptr;
    return reinterpret_cast<FARPROC>(dlsym(handle, procName));
}

BOOL FreeLibrary(HMODULE module) {
    if (module == kProgramModule) return TRUE;
    auto& modules = LoadedModules();
    auto it = modules.find(module);
    if (it == modules.end()) return FALSE;
    dlclose(module);
    if (--it->second == 0) modules.erase(it);
    return TRUE;
}
