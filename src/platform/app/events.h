#pragma once
// Event handlers as lambdas: a handler's parameters are the event's declared
// arguments, in order, each a typed value (values.h) or a Variant; a
// parameter taken by non-const reference is written back to the raiser, and
// may only stand for an argument the event passes by reference. A handler
// that does not fit its event is refused when it is bound.

#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

#include "platform/app/values.h"
#include "platform/com/error.h"
#include "platform/com/typeinfo.h"
#include "platform/com/variant.h"

namespace kelvo::app {

// How a handler takes one argument.
struct ParamSpec {
  ValueKind kind = ValueKind::kVariant;
  bool byRef = false;  // a non-const reference: written back after the call
};

// A handler with its parameters, ready to be called with the raised arguments.
struct BoundHandler {
  std::vector<ParamSpec> params;
  std::function<void(std::span<com::Variant>)> call;
};

// The event as a declaration reads: "KeyPress(ByRef KeyAscii As Integer)".
std::u16string Signature(const com::EventInfo& event);
// Why the handler's parameters do not fit the event, or empty when they do.
std::u16string Misfit(const com::EventInfo& event, std::span<const ParamSpec> params);

namespace detail {

template <class T>
struct Callable : Callable<decltype(&std::remove_cvref_t<T>::operator())> {};
template <class C, class R, class... A>
struct Callable<R (C::*)(A...) const> {
  using Args = std::tuple<A...>;
};
template <class C, class R, class... A>
struct Callable<R (C::*)(A...)> {
  using Args = std::tuple<A...>;
};

template <class A>
constexpr bool kWritable = std::is_lvalue_reference_v<A> && !std::is_const_v<std::remove_reference_t<A>>;

template <class A>
ParamSpec SpecOf() {
  return {Value<std::remove_cvref_t<A>>::kind, kWritable<A>};
}

template <class A>
void WriteBack(com::Variant& arg, const std::remove_cvref_t<A>& value) {
  if constexpr (kWritable<A>) arg = Value<std::remove_cvref_t<A>>::To(value);
}

template <class F, class... A, std::size_t... I>
BoundHandler Bind(F handler, std::tuple<A...>*, std::index_sequence<I...>) {
  auto shared = std::make_shared<F>(std::move(handler));
  return {{SpecOf<A>()...}, [shared](std::span<com::Variant> args) {
            if (args.size() != sizeof...(A)) throw com::Error(com::err::kWrongArguments);
            std::tuple<std::remove_cvref_t<A>...> values{Value<std::remove_cvref_t<A>>::From(args[I])...};
            (*shared)(std::get<I>(values)...);
            (WriteBack<A>(args[I], std::get<I>(values)), ...);
          }};
}

}  // namespace detail

// Wraps a lambda whose parameters are typed values.
template <class F>
BoundHandler BindHandler(F&& handler) {
  using Args = typename detail::Callable<F>::Args;
  return detail::Bind(std::remove_cvref_t<F>(std::forward<F>(handler)), static_cast<Args*>(nullptr),
                      std::make_index_sequence<std::tuple_size_v<Args>>{});
}

}  // namespace kelvo::app
