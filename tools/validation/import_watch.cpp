// Rewriting a loaded object's import slots so that its forbidden calls pass through a counter.
#include "import_watch.h"

#include <array>
#include <cstring>
#include <dlfcn.h>
#include <elf.h>
#include <link.h>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace fendwick {
namespace {

// The slots the loader fills with a function's address: through the
// procedure linkage table, and for calls compiled without it.
#if defined(__x86_64__)
constexpr uint32_t kCallSlot = R_X86_64_JUMP_SLOT;
constexpr uint32_t kDataSlot = R_X86_64_GLOB_DAT;
constexpr bool kRelocationsKnown = true;
#elif defined(__aarch64__)
constexpr uint32_t kCallSlot = R_AARCH64_JUMP_SLOT;
constexpr uint32_t kDataSlot = R_AARCH64_GLOB_DAT;
constexpr bool kRelocationsKnown = true;
#else
constexpr uint32_t kCallSlot = 0;
constexpr uint32_t kDataSlot = 0;
constexpr bool kRelocationsKnown = false;
#endif

struct ForbiddenFunction {
    // As the object imports it.
    const char* symbol;
    // As a report names it.
    const char* shown;
};

// The allocator in both languages, locks and waits, and the system calls
// that may block. Each takes at most six integer or pointer arguments
// (open and syscall pass theirs the same way on the machines above) and
// answers in the integer register, which the forwarder below relies on.
constexpr ForbiddenFunction kForbidden[] = {
    {"malloc", "malloc"},
    {"free", "free"},
    {"calloc", "calloc"},
    {"realloc", "realloc"},
    {"posix_memalign", "posix_memalign"},
    {"aligned_alloc", "aligned_alloc"},
    {"memalign", "memalign"},
    {"valloc", "valloc"},
    {"_Znwm", "operator new"},
    {"_Znam", "operator new[]"},
    {"_ZnwmRKSt9nothrow_t", "operator new (nothrow)"},
    {"_ZnamRKSt9nothrow_t", "operator new[] (nothrow)"},
    {"_ZnwmSt11align_val_t", "operator new (aligned)"},
    {"_ZnamSt11align_val_t", "operator new[] (aligned)"},
    {"_ZdlPv", "operator delete"},
    {"_ZdaPv", "operator delete[]"},
    {"_ZdlPvm", "operator delete (sized)"},
    {"_ZdaPvm", "operator delete[] (sized)"},
    {"_ZdlPvSt11align_val_t", "operator delete (aligned)"},
    {"_ZdaPvSt11align_val_t", "operator delete[] (aligned)"},
    {"pthread_mutex_lock", "pthread_mutex_lock"},
    {"pthread_rwlock_rdlock", "pthread_rwlock_rdlock"},
    {"pthread_rwlock_wrlock", "pthread_rwlock_wrlock"},
    {"pthread_spin_lock", "pthread_spin_lock"},
    {"pthread_cond_wait", "pthread_cond_wait"},
    {"pthread_cond_timedwait", "pthread_cond_timedwait"},
    {"pthread_join", "pthread_join"},
    {"sem_wait", "sem_wait"},
    {"read", "read"},
    {"write", "write"},
    {"open", "open"},
    {"open64", "open64"},
    {"openat", "openat"},
    {"close", "close"},
    {"fopen", "fopen"},
    {"fwrite", "fwrite"},
    {"fputs", "fputs"},
    {"puts", "puts"},
    {"fflush", "fflush"},
    {"poll", "poll"},
    {"select", "select"},
    {"nanosleep", "nanosleep"},
    {"clock_nanosleep", "clock_nanosleep"},
    {"usleep", "usleep"},
    {"sleep", "sleep"},
    {"syscall", "syscall"},
};
constexpr size_t kForbiddenCount = std::size(kForbidden);

using Forwarder = uintptr_t (*)(uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t, uintptr_t);

// What each slot held before it was rewritten: where the calls go on to.
std::array<Forwarder, kForbiddenCount> originals{};

struct ThreadWatch {
    bool watching = false;
    const char* first = nullptr;
    uint64_t count = 0;
};
thread_local ThreadWatch threadWatch;

template <size_t Function>
uintptr_t watched(uintptr_t a, uintptr_t b, uintptr_t c, uintptr_t d, uintptr_t e, uintptr_t f)
{
    ThreadWatch& watch = threadWatch;
    if (watch.watching) {
        watch.first = watch.count == 0 ? kForbidden[Function].shown : watch.first;
        ++watch.count;
    }
    return originals[Function](a, b, c, d, e, f);
}

template <size_t... Functions>
constexpr std::array<Forwarder, kForbiddenCount> forwarders(std::index_sequence<Functions...>)
{
    return {&watched<Functions>...};
}

constexpr std::array<Forwarder, kForbiddenCount> kForwarders =
    forwarders(std::make_index_sequence<kForbiddenCount>());

// The dynamic section's addresses, which the loader has made absolute on
// most machines and left as offsets from the load address on some.
uintptr_t absolute(const link_map& object, ElfW(Addr) address)
{
    return address < object.l_addr ? object.l_addr + address : address;
}

struct ImportTables {
    const ElfW(Sym)* symbols = nullptr;
    const char* names = nullptr;
    const ElfW(Rela)* callRelocations = nullptr;
    size_t callBytes = 0;
    const ElfW(Rela)* dataRelocations = nullptr;
    size_t dataBytes = 0;
};

ImportTables importTables(const link_map& object)
{
    ImportTables tables;
    for (const ElfW(Dyn)* entry = object.l_ld; entry->d_tag != DT_NULL; ++entry) {
        const uintptr_t address = absolute(object, entry->d_un.d_ptr);
        switch (entry->d_tag) {
        case DT_SYMTAB:
            tables.symbols = reinterpret_cast<const ElfW(Sym)*>(address);
            break;
        case DT_STRTAB:
            tables.names = reinterpret_cast<const char*>(address);
            break;
        case DT_JMPREL:
            tables.callRelocations = reinterpret_cast<const ElfW(Rela)*>(address);
            break;
        case DT_PLTRELSZ:
            tables.callBytes = entry->d_un.d_val;
            break;
        case DT_RELA:
            tables.dataRelocations = reinterpret_cast<const ElfW(Rela)*>(address);
            break;
        case DT_RELASZ:
            tables.dataBytes = entry->d_un.d_val;
            break;
        default:
            break;
        }
    }
    return tables;
}

size_t forbiddenIndex(const char* symbol)
{
    for (size_t i = 0; i < kForbiddenCount; ++i) {
        if (std::strcmp(symbol, kForbidden[i].symbol) == 0) {
            return i;
        }
    }
    return kForbiddenCount;
}

// Points one slot at its forwarder; answers whether it now leads there.
bool rewrite(uintptr_t slotAddress, size_t function)
{
    auto* slot = reinterpret_cast<Forwarder*>(slotAddress);
    if (*slot == kForwarders[function]) {
        return false;
    }
    // Slots made read-only after loading are opened again for good: this
    // process only checks one plug-in and ends.
    const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
    void* start = reinterpret_cast<void*>(slotAddress & ~(page - 1));
    if (mprotect(start, page, PROT_READ | PROT_WRITE) != 0) {
        return false;
    }
    if (originals[function] == nullptr) {
        originals[function] = *slot;
    }
    *slot = kForwarders[function];
    return true;
}

int rewriteAll(const link_map& object, const ImportTables& tables, const ElfW(Rela)* relocations, size_t bytes)
{
    int rewritten = 0;
    const size_t count = relocations == nullptr ? 0 : bytes / sizeof(ElfW(Rela));
    for (size_t i = 0; i < count; ++i) {
        const ElfW(Rela)& relocation = relocations[i];
        const uint32_t type = ELF64_R_TYPE(relocation.r_info);
        if (type != kCallSlot && type != kDataSlot) {
            continue;
        }
        const ElfW(Sym)& symbol = tables.symbols[ELF64_R_SYM(relocation.r_info)];
        const size_t function = forbiddenIndex(tables.names + symbol.st_name);
        if (function < kForbiddenCount && rewrite(object.l_addr + relocation.r_offset, function)) {
            ++rewritten;
        }
    }
    return rewritten;
}

}  // namespace

int hookImports(const void* addressInLibrary)
{
    Dl_info info{};
    link_map* object = nullptr;
    if (!kRelocationsKnown ||
        dladdr1(addressInLibrary, &info, reinterpret_cast<void**>(&object), RTLD_DL_LINKMAP) == 0 ||
        object == nullptr) {
        return 0;
    }
    const ImportTables tables = importTables(*object);
    if (tables.symbols == nullptr || tables.names == nullptr) {
        return 0;
    }
    return rewriteAll(*object, tables, tables.callRelocations, tables.callBytes) +
           rewriteAll(*object, tables, tables.dataRelocations, tables.dataBytes);
}

WatchedSection::WatchedSection()
{
    threadWatch.watching = true;
}

WatchedSection::~WatchedSection()
{
    threadWatch.watching = false;
}

ForbiddenCalls takeForbiddenCalls()
{
    const ForbiddenCalls calls{threadWatch.first, threadWatch.count};
    threadWatch.first = nullptr;
    threadWatch.count = 0;
    return calls;
}

}  // namespace fendwick
