#pragma once

#include <concepts>
#include <type_traits>
#include <utility>

namespace pellam {

// An optional by-reference argument. Given a variable of exactly type T, the
// callee's changes reach that variable; given anything else (a literal, a
// default, a value of another type) the callee works on a copy of its own, so
// `NumFormat(text, 15)` and `NumFormat(text, 15, places)` both compile and
// only the second sees its `places` corrected.
template <class T>
class ByRef {
public:
    ByRef(T& variable) : target_(&variable) {}
    ByRef(const T& value) : local_(value), target_(&local_) {}
    template <class U>
        requires(std::is_convertible_v<U &&, T> && !std::is_same_v<std::remove_cvref_t<U>, T>)
    ByRef(U&& value) : local_(std::forward<U>(value)), target_(&local_)
    {
    }
    ByRef(const ByRef&) = delete;
    ByRef& operator=(const ByRef&) = delete;

    T& get() const { return *target_; }
    operator T&() const { return *target_; }
    ByRef& operator=(const T& value)
    {
        *target_ = value;
        return *this;
    }

private:
    T local_{};
    T* target_;
};

} // namespace pellam
