#pragma once
// A handler takes nothing and returns nothing: it reads the controls it needs.
//
// Nearly every handler is a lambda that captures `this` and perhaps a value or two. Such a
// lambda is kept in place and copied as bytes, and each one costs the exe a single call thunk;
// std::function would add a manager (copy, destroy, type query) per lambda and a temporary at
// every assignment, some 15 KB over the program's windows. Anything larger, or with a copy of its
// own (a captured string), goes to the heap with a manager, as std::function would keep it.
#include <cstddef>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace ui {

class Handler {
 public:
  Handler() = default;
  Handler(std::nullptr_t) {}  // NOLINT: as std::function, "no handler"

  template <typename F>
  using IfCallable = std::enable_if_t<!std::is_same_v<std::decay_t<F>, Handler> &&
                                      !std::is_same_v<std::decay_t<F>, std::nullptr_t>>;

  template <typename F, typename = IfCallable<F>>
  Handler(F&& f) {  // NOLINT: a lambda becomes a handler where one is expected
    emplace(std::forward<F>(f));
  }
  // `onClick = [this] { ... };` builds the lambda in place: no temporary handler to move.
  template <typename F, typename = IfCallable<F>>
  Handler& operator=(F&& f) {
    reset();
    emplace(std::forward<F>(f));
    return *this;
  }

  Handler(const Handler& other) { copyFrom(other); }
  Handler(Handler&& other) noexcept { take(other); }
  Handler& operator=(const Handler& other) {
    if (this != &other) {
      Handler copy(other);
      reset();
      take(copy);
    }
    return *this;
  }
  Handler& operator=(Handler&& other) noexcept {
    if (this != &other) {
      reset();
      take(other);
    }
    return *this;
  }
  ~Handler() { reset(); }

  explicit operator bool() const { return call_ != nullptr; }
  void operator()() const { call_(*this); }

 private:
  using Call = void (*)(const Handler&);
  using Manage = void (*)(Handler& to, const Handler* from);  // copy from `from`, or destroy

  static constexpr std::size_t kCapacity = 4 * sizeof(void*);
  template <typename Fn>
  static constexpr bool kInPlace = sizeof(Fn) <= kCapacity &&
                                   alignof(Fn) <= alignof(void*) &&
                                   std::is_trivially_copyable_v<Fn>;

  template <typename F>
  void emplace(F&& f) {
    using Fn = std::decay_t<F>;
    if constexpr (kInPlace<Fn>) {
      new (storage_) Fn(std::forward<F>(f));
      call_ = [](const Handler& h) { (*h.held<Fn>())(); };
    } else {
      heap() = new Fn(std::forward<F>(f));
      call_ = [](const Handler& h) { (*static_cast<Fn*>(h.heap()))(); };
      manage_ = [](Handler& to, const Handler* from) {
        if (from) to.heap() = new Fn(*static_cast<const Fn*>(from->heap()));
        else delete static_cast<Fn*>(to.heap());
      };
    }
  }

  template <typename Fn>
  Fn* held() const {
    return std::launder(reinterpret_cast<Fn*>(const_cast<unsigned char*>(storage_)));
  }
  void*& heap() { return *reinterpret_cast<void**>(storage_); }
  void* heap() const { return *reinterpret_cast<void* const*>(storage_); }

  void copyFrom(const Handler& other) {
    call_ = other.call_;
    manage_ = other.manage_;
    if (manage_) manage_(*this, &other);
    else std::memcpy(storage_, other.storage_, kCapacity);
  }
  // Moves `other`'s callable here; `other` is left empty.
  void take(Handler& other) {
    std::memcpy(storage_, other.storage_, kCapacity);
    call_ = other.call_;
    manage_ = other.manage_;
    other.call_ = nullptr;
    other.manage_ = nullptr;
  }
  void reset() {
    if (manage_) manage_(*this, nullptr);
    call_ = nullptr;
    manage_ = nullptr;
  }

  alignas(void*) unsigned char storage_[kCapacity] = {};
  Call call_ = nullptr;
  Manage manage_ = nullptr;
};

}  // namespace ui
