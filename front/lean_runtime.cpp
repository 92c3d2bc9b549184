// Keeps the two small programs small: the allocation functions on the process
// heap, and libstdc++'s error helpers without the exception machinery they
// would drag in (unwinder, demangler, printf). Linked into the programs only;
// the tests keep the full runtime. Running out of memory ends the process.
#include <windows.h>

#include <cstddef>
#include <new>

namespace {

[[noreturn]] void Fail() {
    ExitProcess(3);
}

} // namespace

void* operator new(std::size_t size) {
    void* block = HeapAlloc(GetProcessHeap(), 0, size ? size : 1);
    if (!block)
        Fail();
    return block;
}

void* operator new[](std::size_t size) {
    return operator new(size);
}

void operator delete(void* block) noexcept {
    if (block)
        HeapFree(GetProcessHeap(), 0, block);
}

void operator delete[](void* block) noexcept {
    operator delete(block);
}

void operator delete(void* block, std::size_t) noexcept {
    operator delete(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    operator delete(block);
}

#if defined(__GLIBCXX__)
// libstdc++ reports misuse and exhaustion through these; our code never
// misuses a container, so they are reached only when memory runs out.
namespace std {
void __throw_bad_alloc() {
    Fail();
}
void __throw_bad_array_new_length() {
    Fail();
}
void __throw_length_error(const char*) {
    Fail();
}
void __throw_logic_error(const char*) {
    Fail();
}
void __throw_out_of_range_fmt(const char*, ...) {
    Fail();
}
} // namespace std
#endif
