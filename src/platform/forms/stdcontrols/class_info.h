#pragma once
// Type information of a standard control class, built once: its dispatch
// interface (properties as get/let pairs, object properties with set too,
// methods), its events and its class entry.

#include <memory>
#include <string>
#include <vector>

#include "platform/com/typeinfo.h"

namespace kelvo::forms::stdcontrols {

class ClassBuilder {
 public:
  ClassBuilder(std::u16string name, std::string_view clsid, std::uint32_t miscStatus);
  ClassBuilder(const ClassBuilder&) = delete;
  ClassBuilder& operator=(const ClassBuilder&) = delete;
  ~ClassBuilder();

  ClassBuilder& Prop(std::u16string name, com::TypeKind type);        // get and let
  ClassBuilder& ObjectProp(std::u16string name, com::TypeKind type);  // get, let and set
  ClassBuilder& ReadOnly(std::u16string name, com::TypeKind type);
  ClassBuilder& Method(std::u16string name, com::TypeKind result, std::vector<com::ParamInfo> params = {});
  ClassBuilder& Event(std::u16string name, std::vector<com::ParamInfo> params = {});
  // Click, DblClick, MouseDown, MouseMove, MouseUp.
  ClassBuilder& MouseEvents();
  // KeyDown, KeyPress, KeyUp, GotFocus, LostFocus.
  ClassBuilder& KeyEvents();
  ClassBuilder& DefaultEvent(std::u16string name);
  // The finished class; it lives as long as the process.
  const com::CoClassInfo& Build();

  struct Data;

 private:
  std::unique_ptr<Data> data_;
};

com::ParamInfo Param(std::u16string name, com::TypeKind type);

}  // namespace kelvo::forms::stdcontrols
