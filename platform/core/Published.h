#pragma once
// Published properties: every streamable class declares its properties once, in its .cpp,
// and the description writer and reader work from that declaration alone.
//
//   VX_PUBLISHED(TFoo, TPersistent) {                  // class, its parent class
//     P.Int("Width", &TFoo::Width, &TFoo::SetWidth, 1); // name, getter, setter, default
//     P.Enum("Style", &TFoo::Style, &TFoo::SetStyle, psSolid);
//     P.Double("Ratio", &TFoo::Ratio, &TFoo::SetRatio);  // no default: always stored
//     P.Object("Font", &TFoo::Font);                    // nested sub-object, read in place
//     P.Collection("Values", &TFoo::Values).Stored([](const TFoo& F) { return !F.Preview(); });
//   }
//
// A property is written when its storing rule (Stored, default: always) holds and its value
// differs from the declared default (without a default: always). Getters and setters are
// member functions or any callables taking the object (const T& / T&), so custom stored
// properties (the toolkit's DefineProperties) are declared the same way with lambdas.
// The kinds, the JSON form of each and the registration rules: docs/ARCHITECTURE.md.

#include "platform/core/EventBinding.h"

#include <cstdint>
#include <functional>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class TObject;
class TPersistent;
class TComponent;

/// The names of an enumeration's values in ordinal order (see VX_ENUM_NAMES).
struct TEnumInfo {
  const char* TypeName;
  std::span<const char* const> Names;
  /// Ordinal of Name (exact match), or -1.
  int IndexOf(std::string_view Name) const;
};

/// Declares the value names of an enumeration, in ordinal order; put it next to the
/// enumeration, in the same namespace:  VX_ENUM_NAMES(TFruit, "frApple", "frPear")
#define VX_ENUM_NAMES(Enum, ...)                                                                   \
  [[maybe_unused]] inline const ::vx::TEnumInfo& EnumInfoOf(Enum) {                                \
    static constexpr const char* const Names[] = {__VA_ARGS__};                                    \
    static constexpr ::vx::TEnumInfo Info{#Enum, Names};                                           \
    return Info;                                                                                   \
  }

enum class TPropKind : std::uint8_t {
  Integer,    ///< any integral type; a JSON integer
  Double,     ///< a JSON number, or "NaN", "Infinity", "-Infinity"
  Bool,       ///< true / false
  String,     ///< UTF-8 text
  Enum,       ///< the value's name
  Set,        ///< an array of value names
  Color,      ///< a colour name, "#RRGGBB", or an integer for other colour values
  Object,     ///< a sub-object owned by the object, written inline
  Collection, ///< an array of items (or {props..., "Items": [...]})
  Strings,    ///< a TStrings, as an array of lines
  Component,  ///< a reference to a component, by name, resolved after reading
  Event       ///< a handler name, bound through the application's handler table
};

/// One published property, type-erased. Built by TClassBuilder; only the accessors of its
/// kind are set. Objects passed in are instances of the declaring class or a descendant.
struct TPropInfo {
  std::string Name;
  TPropKind Kind = TPropKind::Integer;
  std::function<bool(const TObject&)> Stored; ///< empty: always
  bool HasDefault = false;

  // Integer, Bool, Enum (ordinal), Set (bits), Color.
  std::function<std::int64_t(const TObject&)> GetInt;
  std::function<void(TObject&, std::int64_t)> SetInt;
  std::int64_t MinInt = 0, MaxInt = 0, DefaultInt = 0;
  const TEnumInfo* Enum = nullptr; ///< Enum and Set

  std::function<double(const TObject&)> GetDouble;
  std::function<void(TObject&, double)> SetDouble;
  double DefaultDouble = 0;

  std::function<std::string(const TObject&)> GetString;
  std::function<void(TObject&, const std::string&)> SetString;
  std::string DefaultString;

  /// Object, Collection, Strings: the owned sub-object (may be null), and the class name
  /// of its declared type.
  std::function<TPersistent*(const TObject&)> GetObject;
  const char* ObjectClass = nullptr;

  std::function<TComponent*(const TObject&)> GetComponent;
  std::function<void(TObject&, TComponent*)> SetComponent;
  std::function<bool(const TComponent*)> AcceptsComponent;

  /// Event: the bound handler's name ("" when none or unnamed); Bind looks the name up in
  /// the table and, with an object, assigns the handler.
  std::function<std::string(const TObject&)> GetHandlerName;
  std::function<THandlerStatus(TObject*, const THandlerTable&, const std::string&)> BindHandler;
};

/// A registered class: its name, its parent's name, its own properties and, for
/// component classes, a factory.
struct TClassInfo {
  std::string Name;
  std::string ParentName;
  std::function<TComponent*(TComponent* Owner)> CreateComponent; ///< empty: not creatable
  std::vector<TPropInfo> OwnProps;
  const TClassInfo* Parent = nullptr;
  std::vector<const TPropInfo*> Props; ///< inherited first; a redeclared name keeps its place
  /// The property called Name (exact), or nullptr.
  const TPropInfo* FindProp(std::string_view PropName) const;
};

/// The registered class of that name with its properties resolved, or nullptr.
/// Raises EFilerError when the name was registered by two different classes.
const TClassInfo* FindClassInfo(std::string_view Name);

namespace detail {
struct TClassRecord {
  const char* Name;
  const char* ParentName;
  std::function<void(TClassInfo&)> Describe;
  std::function<TComponent*(TComponent*)> Factory;
};
bool RegisterClassRecord(TClassRecord Record);
} // namespace detail

} // namespace vx

#include "platform/core/ClassBuilder.h"

/// Registers Class (derived from ParentClass) and opens the body that declares its
/// properties through the builder `P`. Use once per class, in its .cpp file.
#define VX_PUBLISHED(Class, ParentClass)                                                           \
  static void VxPublish_##Class(::vx::TClassBuilder<Class>& P);                                    \
  [[maybe_unused]] static const bool VxPublished_##Class =                                         \
      ::vx::detail::RegisterPublished<Class, ParentClass>(&VxPublish_##Class);                     \
  static void VxPublish_##Class([[maybe_unused]] ::vx::TClassBuilder<Class>& P)
