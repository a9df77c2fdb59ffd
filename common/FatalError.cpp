#include "common/FatalError.h"

#include "common/ProcessState.h"

#include <windows.h>
#include <ole2.h>

#include <charconv>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

constexpr std::size_t kReportCapacity = 512;

// Appends as much of `piece` as fits, keeping room for the NUL.
std::size_t append(char* buffer, std::size_t used, std::size_t capacity, std::string_view piece) {
    const std::size_t room = capacity - 1 - used;
    const std::size_t count = piece.size() < room ? piece.size() : room;
    std::memcpy(buffer + used, piece.data(), count);
    buffer[used + count] = '\0';
    return used + count;
}

}  // namespace

std::size_t composeFatalReport(std::string_view message, char* buffer, std::size_t capacity) {
    std::size_t used = append(buffer, 0, capacity, "运行时出错!\r\n\r\n");
    if (!message.empty()) {
        used = append(buffer, used, capacity, "错误信息：");
        used = append(buffer, used, capacity, message);
        used = append(buffer, used, capacity, "\r\n");
    }
    return used;
}

std::size_t composeOutOfMemoryMessage(std::size_t bytes, char* buffer, std::size_t capacity) {
    char digits[24];
    const auto converted = std::to_chars(digits, digits + sizeof digits, bytes);
    std::size_t used = append(buffer, 0, capacity, "分配 ");
    used = append(buffer, used, capacity, std::string_view(digits, converted.ptr - digits));
    return append(buffer, used, capacity, " 字节内存失败!");
}

void reportFatalError(std::string_view message) {
    ++process::fatalReportsBegun;
    char report[kReportCapacity];
    composeFatalReport(message, report, sizeof report);
    MessageBoxA(nullptr, report, "错误", MB_OK | MB_ICONERROR);
    if (process::oleInitialised) OleUninitialize();
    ExitProcess(kFatalExitCode);
}

void reportOutOfMemory(std::size_t bytes) {
    char message[128];
    composeOutOfMemoryMessage(bytes, message, sizeof message);
    reportFatalError(message);
}

// Every allocation of the program goes through here, so a request the heap
// cannot meet is reported once, with its real size, instead of surfacing as an
// exception somewhere in the middle of a handler.
void* operator new(std::size_t bytes) {
    if (void* block = std::malloc(bytes != 0 ? bytes : 1)) return block;
    reportOutOfMemory(bytes);
}

void* operator new[](std::size_t bytes) { return ::operator new(bytes); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
