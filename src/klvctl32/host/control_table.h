#pragma once
// One table per control class, declaring each member once: its name, type,
// help string and flags, how it is read and assigned, and which keys the
// control persists with what load default. The class's interface information
// (members in slot order), its dispatch by name and its ReadProperties /
// WriteProperties are all derived from it, so the three cannot disagree.
//
//   const ControlTable<KelvoLine3D>& KelvoLine3D::Table() {
//     using Table = ControlTable<KelvoLine3D>;
//     static const Table table = Table(&KelvoLine3D::Changed)
//         .Property(u"LineStyle", EnumT(u"KLV_LineStyle"), u"Line styles. (Estilo da linha)",
//                   Table::Field(&KelvoLine3D::lineStyle_))
//         .Saves(u"LineStyle", &KelvoLine3D::lineStyle_);
//     return table;
//   }
//
// A `Field` property reads its field and, on assignment, stores the converted
// value and calls the class's change hook with the property's name (the
// hook notifies and repaints). A property whose assignment does more names
// its own getter and setter with `Calls` or plain lambdas, so the exception
// stands in the table. The persisted set is listed in save order; `Saves`
// loads a key with the field's current value as default unless the row names
// another default, and `LoadOrder` gives the loading order where it differs.
// Persisting reads and writes the fields directly, never through setters.

#include <algorithm>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "klvctl32/host/property_values.h"
#include "klvctl32/host/type_table.h"
#include "platform/base/text.h"
#include "platform/com/dispatch_map.h"
#include "platform/forms/control.h"

namespace kelvo::klvctl32 {

template <class T>
class ControlTable {
 public:
  using V = com::Variant;
  using Map = com::DispatchMap<T>;
  using Args = typename Map::Args;
  using Getter = std::function<V(T&)>;
  using Letter = std::function<void(T&, const V&)>;
  using Handler = typename Map::Handler;
  using ChangeHook = void (T::*)(std::u16string_view);
  template <class Ref>
  using FieldType = std::remove_cvref_t<std::invoke_result_t<Ref, T&>>;

  // How a property is read and assigned, and whether an assignment is
  // followed by the class's change hook.
  struct Accessors {
    Getter get;
    Letter let;
    bool callsHook = false;
  };

  // A property bound to a field: a pointer to a data member of T, or a
  // function that returns a reference to the field. See the header comment.
  template <class Ref>
  static Accessors Field(Ref field) {
    using F = FieldType<Ref>;
    return {[field](T& c) { return ToVariant(std::invoke(field, c)); },
            [field](T& c, const V& v) { std::invoke(field, c) = FromVariant<F>(v); }, true};
  }

  // A property read and assigned through the class's own accessors; the
  // setter does its own notification.
  template <class F>
  static Accessors Calls(F (T::*getter)() const, void (T::*setter)(F)) {
    return {[getter](T& c) { return ToVariant((c.*getter)()); },
            [setter](T& c, const V& v) { (c.*setter)(FromVariant<F>(v)); }};
  }

  // `hook` runs after every assignment of a Field property, with its name.
  explicit ControlTable(ChangeHook hook = nullptr) : hook_(hook) {}

  // Get and let slots. An Enum-typed property answers a Long whatever its
  // field's width.
  ControlTable& Property(std::u16string name, com::TypeRef type, std::u16string help, Accessors access,
                         std::uint32_t flags = com::member_flags::kNone) {
    AddGet(name, type, std::move(access.get));
    AddLet(name, std::move(access));
    members_.Property(std::move(name), std::move(type), std::move(help), flags);
    return *this;
  }
  // Get and set-by-reference slots (fonts, pictures).
  ControlTable& ObjectProperty(std::u16string name, com::TypeRef type, std::u16string help, Getter get, Letter set) {
    dispatch_.push_back(Map::Get(name, std::move(get)));
    dispatch_.push_back(Map::Set(name, std::move(set)));
    members_.ObjectProperty(std::move(name), std::move(type), std::move(help));
    return *this;
  }
  ControlTable& GetOnly(std::u16string name, com::TypeRef type, std::u16string help, Getter get) {
    dispatch_.push_back(Map::Get(name, std::move(get)));
    members_.GetOnly(std::move(name), std::move(type), std::move(help));
    return *this;
  }
  ControlTable& LetOnly(std::u16string name, com::TypeRef type, std::u16string help, Letter let) {
    dispatch_.push_back(Map::Let(name, std::move(let)));
    members_.LetOnly(std::move(name), std::move(type), std::move(help));
    return *this;
  }
  // A method taking its parameters' count of arguments, the optional ones
  // last and omittable.
  ControlTable& Method(std::u16string name, std::vector<com::ParamInfo> params, com::TypeRef result, Handler handler) {
    const auto optional = static_cast<std::size_t>(
        std::count_if(params.begin(), params.end(), [](const com::ParamInfo& p) { return p.optional; }));
    dispatch_.push_back(Map::Method(name, params.size() - optional, optional, std::move(handler)));
    members_.Method(std::move(name), std::move(params), std::move(result));
    return *this;
  }
  ControlTable& Method(std::u16string name, std::function<void(T&)> action) {
    return Method(std::move(name), {}, {}, [action = std::move(action)](T& c, Args) {
      action(c);
      return V();
    });
  }

  // A persisted key bound to a field, in save order; loaded with the field's
  // current value as default, or with `loadDefault` where the class loads
  // differently from a new instance.
  template <class Ref, class F = FieldType<Ref>>
  ControlTable& Saves(std::u16string key, Ref field,
                      std::type_identity_t<std::optional<F>> loadDefault = std::nullopt) {
    return Persists(
        std::move(key),
        [field, loadDefault](T& c, forms::IPropertyBag& bag, std::u16string_view k) {
          F& value = std::invoke(field, c);
          value = FromVariant<F>(bag.Read(k, ToVariant(loadDefault ? *loadDefault : value)));
        },
        [field](T& c, forms::IPropertyBag& bag, std::u16string_view k) {
          bag.Write(k, ToVariant(std::invoke(field, c)), V());
        });
  }
  // A persisted key with its own load and save (either may be empty: a key
  // only written, or only read).
  using Loader = std::function<void(T&, forms::IPropertyBag&, std::u16string_view key)>;
  ControlTable& Persists(std::u16string key, Loader load, Loader save) {
    persisted_.push_back({std::move(key), std::move(load), std::move(save)});
    return *this;
  }
  // The keys in the order ReadProperties loads them, where it is not the
  // save order. Every key named must be persisted and loadable.
  ControlTable& LoadOrder(std::vector<std::u16string> keys) {
    for (const std::u16string& key : keys) {
      const PersistedKey* p = FindKey(key);
      if (p == nullptr || !p->load) throw std::logic_error("load order names " + text::ToUtf8(key));
    }
    loadOrder_ = std::move(keys);
    return *this;
  }

  std::vector<com::MemberInfo> Members() const { return members_.Peek(); }
  const Map& Dispatch() const {
    if (!map_) map_.emplace(dispatch_);
    return *map_;
  }
  // The persisted keys in save order, for the reference pages.
  std::vector<std::u16string> PersistedKeys() const {
    std::vector<std::u16string> keys;
    for (const PersistedKey& p : persisted_) keys.push_back(p.key);
    return keys;
  }
  // The names the dispatch answers, with their kinds, for consistency checks.
  std::vector<std::pair<std::u16string, com::InvokeKind>> DispatchNames() const {
    std::vector<std::pair<std::u16string, com::InvokeKind>> names;
    for (const auto& m : dispatch_) names.emplace_back(m.name, m.kind);
    return names;
  }

  void Load(T& control, forms::IPropertyBag& bag) const {
    if (loadOrder_.empty()) {
      for (const PersistedKey& p : persisted_) {
        if (p.load) p.load(control, bag, p.key);
      }
      return;
    }
    for (const std::u16string& key : loadOrder_) FindKey(key)->load(control, bag, key);
  }
  void Save(T& control, forms::IPropertyBag& bag) const {
    for (const PersistedKey& p : persisted_) {
      if (p.save) p.save(control, bag, p.key);
    }
  }

 private:
  struct PersistedKey {
    std::u16string key;
    Loader load;
    Loader save;
  };

  void AddGet(const std::u16string& name, const com::TypeRef& type, Getter get) {
    if (type.kind == com::TypeKind::Enum) {
      get = [get = std::move(get)](T& c) { return V::Long(get(c).ToLong()); };
    }
    dispatch_.push_back(Map::Get(name, std::move(get)));
  }
  void AddLet(const std::u16string& name, Accessors access) {
    if (!access.callsHook || hook_ == nullptr) {
      dispatch_.push_back(Map::Let(name, std::move(access.let)));
      return;
    }
    dispatch_.push_back(Map::Let(name, [name, let = std::move(access.let), hook = hook_](T& c, const V& v) {
      let(c, v);
      (c.*hook)(name);
    }));
  }
  const PersistedKey* FindKey(std::u16string_view key) const {
    for (const PersistedKey& p : persisted_) {
      if (p.key == key) return &p;
    }
    return nullptr;
  }

  ChangeHook hook_;
  MemberTable members_;
  std::vector<typename Map::Member> dispatch_;
  mutable std::optional<Map> map_;
  std::vector<PersistedKey> persisted_;
  std::vector<std::u16string> loadOrder_;
};

}  // namespace kelvo::klvctl32
