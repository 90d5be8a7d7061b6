#pragma once
// IDispatch::Invoke from a static table: each row names a member, its kind
// (Get, Let, Set, Method), how many arguments it takes and its handler.
//
//   class Counter final : public com::Object<com::IDispatch> {
//    public:
//     const com::InterfaceInfo* GetTypeInfo() override { return nullptr; }
//     com::Variant Invoke(std::u16string_view name, com::InvokeKind kind,
//                         std::span<com::Variant> args) override {
//       return Members().Invoke(*this, name, kind, args);
//     }
//
//    private:
//     using Map = com::DispatchMap<Counter>;
//     static const Map& Members() {
//       static const Map map{
//           Map::Get(u"Value", [](Counter& c) { return com::Variant::Long(c.value_); }),
//           Map::Let(u"Value", [](Counter& c, const com::Variant& v) { c.value_ = v.ToLong(); }),
//           Map::Method(u"Add", 1, [](Counter& c, Map::Args a) {
//             c.value_ += a[0].ToLong();
//             return com::Variant::Long(c.value_);
//           }),
//       };
//       return map;
//     }
//     std::int32_t value_ = 0;
//   };
//
// Names compare case-insensitively. A name the table lacks is error 438. When
// the name is there but not the asked-for kind: a Get falls back to a Method
// of that name and a Method to a Get (reading `obj.Name` may mean either); a
// Let or Set on a property with only a Get is 383; a Get of a property with
// only a Let or Set is 451; a Let where only a Set exists, or the reverse, is
// 450, and so is a wrong number of arguments. Arguments are passed by
// reference: a method may change them and the caller reads them back.

#include <array>
#include <cstddef>
#include <functional>
#include <initializer_list>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "platform/base/text.h"
#include "platform/com/dispatch.h"
#include "platform/com/error.h"
#include "platform/com/typeinfo.h"
#include "platform/com/variant.h"

namespace kelvo::com {

template <class T>
class DispatchMap {
 public:
  using Args = std::span<Variant>;
  using Handler = std::function<Variant(T&, Args)>;

  struct Member {
    std::u16string name;
    InvokeKind kind = InvokeKind::Method;
    std::size_t minArgs = 0;
    std::size_t maxArgs = 0;
    Handler handler;
  };

  // A property get without arguments.
  static Member Get(std::u16string name, std::function<Variant(T&)> get) {
    return {std::move(name), InvokeKind::Get, 0, 0, [get = std::move(get)](T& self, Args) { return get(self); }};
  }
  // A property get with `indices` index arguments.
  static Member Get(std::u16string name, std::size_t indices, Handler get) {
    return {std::move(name), InvokeKind::Get, indices, indices, std::move(get)};
  }
  // A property let taking the assigned value.
  static Member Let(std::u16string name, std::function<void(T&, const Variant&)> let) {
    return Assign(std::move(name), InvokeKind::Let, std::move(let));
  }
  // A property let with `indices` index arguments; the value is the last argument.
  static Member Let(std::u16string name, std::size_t indices, std::function<void(T&, Args)> let) {
    return Assign(std::move(name), InvokeKind::Let, indices, std::move(let));
  }
  // A property set by reference taking the assigned object.
  static Member Set(std::u16string name, std::function<void(T&, const Variant&)> set) {
    return Assign(std::move(name), InvokeKind::Set, std::move(set));
  }
  static Member Set(std::u16string name, std::size_t indices, std::function<void(T&, Args)> set) {
    return Assign(std::move(name), InvokeKind::Set, indices, std::move(set));
  }
  // A method with `required` arguments, then up to `optional` more.
  static Member Method(std::u16string name, std::size_t required, Handler method) {
    return Method(std::move(name), required, 0, std::move(method));
  }
  static Member Method(std::u16string name, std::size_t required, std::size_t optional, Handler method) {
    return {std::move(name), InvokeKind::Method, required, required + optional, std::move(method)};
  }

  // Throws std::logic_error when a name appears twice with the same kind.
  DispatchMap(std::initializer_list<Member> members) : DispatchMap(std::vector<Member>(members)) {}
  explicit DispatchMap(std::vector<Member> members) : members_(std::move(members)) {
    for (std::size_t i = 0; i < members_.size(); ++i) {
      Slots& slots = index_.try_emplace(members_[i].name, EmptySlots()).first->second;
      std::size_t& slot = slots[Slot(members_[i].kind)];
      if (slot != kNone) throw std::logic_error("dispatch table lists " + text::ToUtf8(members_[i].name) + " twice");
      slot = i;
    }
  }

  Variant Invoke(T& self, std::u16string_view name, InvokeKind kind, Args args) const {
    const Member& member = Resolve(name, kind);
    if (args.size() < member.minArgs || args.size() > member.maxArgs) throw Error(err::kWrongArguments);
    return member.handler(self, args);
  }

 private:
  static Member Assign(std::u16string name, InvokeKind kind, std::function<void(T&, const Variant&)> assign) {
    return {std::move(name), kind, 1, 1, [assign = std::move(assign)](T& self, Args args) {
              assign(self, args[0]);
              return Variant();
            }};
  }
  static Member Assign(std::u16string name, InvokeKind kind, std::size_t indices,
                       std::function<void(T&, Args)> assign) {
    return {std::move(name), kind, indices + 1, indices + 1, [assign = std::move(assign)](T& self, Args args) {
              assign(self, args);
              return Variant();
            }};
  }

  // Each name's members by kind, as positions in members_ (kNone where absent):
  // built once per table, so a call finds its member by one hashed lookup.
  using Slots = std::array<std::size_t, 4>;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static Slots EmptySlots() { return {kNone, kNone, kNone, kNone}; }
  static std::size_t Slot(InvokeKind kind) { return static_cast<std::size_t>(kind); }

  const Member* Find(std::u16string_view name, InvokeKind kind) const {
    const auto it = index_.find(name);
    if (it == index_.end()) return nullptr;
    const std::size_t i = it->second[Slot(kind)];
    return i == kNone ? nullptr : &members_[i];
  }

  const Member& Resolve(std::u16string_view name, InvokeKind kind) const {
    if (const Member* m = Find(name, kind)) return *m;
    const Member* get = Find(name, InvokeKind::Get);
    const Member* method = Find(name, InvokeKind::Method);
    const bool hasLet = Find(name, InvokeKind::Let) != nullptr;
    const bool hasSet = Find(name, InvokeKind::Set) != nullptr;
    switch (kind) {
      case InvokeKind::Get:
        if (method != nullptr) return *method;
        break;
      case InvokeKind::Method:
        if (get != nullptr) return *get;
        break;
      case InvokeKind::Let:
      case InvokeKind::Set:
        break;
    }
    if (get == nullptr && method == nullptr && !hasLet && !hasSet) throw Error(err::kNoSuchMember);
    switch (kind) {
      case InvokeKind::Let:
        throw Error(hasSet ? err::kWrongArguments : err::kReadOnlyProperty);
      case InvokeKind::Set:
        throw Error(hasLet ? err::kWrongArguments : err::kReadOnlyProperty);
      case InvokeKind::Get:
      case InvokeKind::Method:
        break;
    }
    throw Error(err::kWriteOnlyProperty);
  }

  std::vector<Member> members_;
  std::unordered_map<std::u16string, Slots, NameHashing, NamesMatch> index_;
};

}  // namespace kelvo::com
