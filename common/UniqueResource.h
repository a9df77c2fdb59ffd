// A move-only owner of one resource handle: `Free` releases it exactly once,
// when the owner ends or is given another handle. Copying is deleted, so no
// path can release a handle twice.
#pragma once

#include <utility>

template <class Handle, auto Free>
class UniqueResource {
public:
    UniqueResource() = default;
    explicit UniqueResource(Handle owned) : value_(owned) {}
    UniqueResource(UniqueResource&& other) noexcept : value_(std::exchange(other.value_, Handle{})) {}
    UniqueResource& operator=(UniqueResource&& other) noexcept {
        if (this != &other) {
            reset();
            value_ = std::exchange(other.value_, Handle{});
        }
        return *this;
    }
    UniqueResource(const UniqueResource&) = delete;
    UniqueResource& operator=(const UniqueResource&) = delete;
    ~UniqueResource() { reset(); }

    Handle get() const { return value_; }
    // For out-parameters: releases the current handle first.
    Handle* put() {
        reset();
        return &value_;
    }
    // Hands the handle over to a new owner.
    Handle release() { return std::exchange(value_, Handle{}); }
    void reset() {
        if (value_) Free(value_);
        value_ = Handle{};
    }

private:
    Handle value_{};
};
