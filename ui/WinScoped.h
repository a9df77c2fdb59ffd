// Move-only owners for the window-side resources: GDI brushes, an open
// clipboard and a locked global memory block.
#pragma once

#include <windows.h>

#include "common/UniqueResource.h"

using Brush = UniqueResource<HBRUSH, DeleteObject>;

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
using GlobalBlock = UniqueResource<HGLOBAL, GlobalFree>;

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
