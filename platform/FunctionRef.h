// A non-owning reference to a callable: one indirect call, no allocation, so that a sample
// function called fifty thousand times per run, or a curve function called per column, costs
// no more than a plain function pointer.
#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace dulm {

template <class Signature>
class FunctionRef;

template <class R, class... Args>
class FunctionRef<R(Args...)> {
public:
    template <class Callable>
        requires(!std::is_same_v<std::remove_cvref_t<Callable>, FunctionRef> &&
                 std::is_invocable_r_v<R, Callable&, Args...>)
    FunctionRef(Callable&& callable)  // NOLINT: converts implicitly, like a function pointer
        : m_object(const_cast<void*>(static_cast<const void*>(std::addressof(callable)))),
          m_call([](void* object, Args... args) -> R {
              return (*static_cast<std::remove_reference_t<Callable>*>(object))(std::forward<Args>(args)...);
          }) {}

    R operator()(Args... args) const { return m_call(m_object, std::forward<Args>(args)...); }

private:
    void* m_object;
    R (*m_call)(void*, Args...);
};

}  // namespace dulm
