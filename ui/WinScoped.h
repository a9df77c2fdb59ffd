// Move-only owners for the window-side resources: GDI brushes, an open
// clipboard and a locked global memory block.
#pragma once

#include <windows.h>

#include <utility>

class Brush {
public:
    Brush() = default;
    explicit Brush(HBRUSH owned) : value_(owned) {}
    Brush(Brush&& other) noexcept : value_(std::exchange(other.value_, nullptr)) {}
    Brush& operator=(Brush&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = std::exchange(other.value_, nullptr);
        }
        return *this;
    }
    Brush(const Brush&) = delete;
    Brush& operator=(const Brush&) = delete;
    ~Brush() { reset(); }

    HBRUSH get() const { return value_; }
    void reset() {
        if (value_) DeleteObject(value_);
        value_ = nullptr;
    }

private:
    HBRUSH value_ = nullptr;
};

// The clipboard, opened with no owner window for as long as this lives.
class OpenClipboardScope {
public:
    OpenClipboardScope() : open_(OpenClipboard(nullptr) != FALSE) {}
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    bool isOpen() const { return open_; }

private:
    bool open_;
};

// A global memory block owned until it is handed over (to the clipboard).
class GlobalBlock {
public:
    explicit GlobalBlock(HGLOBAL owned) : value_(owned) {}
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    ~GlobalBlock() {
        if (value_) GlobalFree(value_);
    }
    HGLOBAL get() const { return value_; }
    HGLOBAL release() { return std::exchange(value_, nullptr); }

private:
    HGLOBAL value_;
};

// The locked bytes of a global memory block, unlocked when this ends.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    ~GlobalLockScope() {
        if (data_) GlobalUnlock(block_);
    }
    void* data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};
