#pragma once
// The typed side of published properties: TClassBuilder<T> turns T's getters and setters
// into type-erased TPropInfo records, checking the types at compile time. Included by
// Published.h; classes use it through VX_PUBLISHED.

#include "platform/core/Collection.h"
#include "platform/core/Component.h"
#include "platform/core/Published.h"
#include "platform/core/Set.h"
#include "platform/core/Strings.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <stdexcept>
#include <type_traits>
#include <utility>

namespace vx {

namespace detail {

template <typename> struct TSetTraits { static constexpr bool IsSet = false; };
template <typename E> struct TSetTraits<TSet<E>> {
  static constexpr bool IsSet = true;
  using Element = E;
};

template <typename> struct TEventTraits { static constexpr bool IsEvent = false; };
template <typename Sig> struct TEventTraits<std::function<Sig>> {
  static constexpr bool IsEvent = true;
  using Signature = Sig;
};

/// What a getter of T returns, without reference and const.
template <typename T, typename G>
using TGetResult = std::remove_cvref_t<std::invoke_result_t<const G&, const T&>>;

/// A pointer to what a sub-object getter returns (pointer, smart pointer or reference).
template <typename V> auto* ToPointer(V&& X) {
  if constexpr (std::is_pointer_v<std::remove_cvref_t<V>>)
    return X;
  else if constexpr (requires { X.get(); })
    return X.get();
  else
    return &X;
}

constexpr bool SameName(const char* A, const char* B) {
  while (*A && *A == *B) {
    ++A;
    ++B;
  }
  return *A == *B;
}

template <typename V>
constexpr bool IsColorValue = (std::is_integral_v<V> || std::is_enum_v<V>)&&sizeof(V) == 4;

} // namespace detail

/// Handle of the property just declared, to add its storing rule.
template <typename T> class TPropHandle {
public:
  TPropHandle(TClassInfo& Info, std::size_t Index) : FInfo(&Info), FIndex(Index) {}
  /// Writes the property only while Pred(object) is true (and it differs from its
  /// default, when it has one).
  template <typename F> TPropHandle& Stored(F Pred) {
    FInfo->OwnProps[FIndex].Stored = [Pred](const TObject& O) {
      return static_cast<bool>(std::invoke(Pred, static_cast<const T&>(O)));
    };
    return *this;
  }

private:
  TClassInfo* FInfo;
  std::size_t FIndex;
};

/// Declares the published properties of T, in stored order. Each method takes the name,
/// the getter (a member function or a callable taking const T&) and, for values, the
/// setter (a member function or a callable taking T& and the value) and an optional
/// declared default. Without a default the property is always written.
template <typename T> class TClassBuilder {
public:
  explicit TClassBuilder(TClassInfo& Info) : FInfo(Info) {}

  /// An integral value (int, std::intptr_t, std::uint8_t ...); its range is the type's.
  template <typename G, typename S, typename V = detail::TGetResult<T, G>>
  TPropHandle<T> Int(const char* Name, G Get, S Set,
                     std::optional<std::type_identity_t<V>> Default = std::nullopt) {
    static_assert(std::is_integral_v<V> && !std::is_same_v<V, bool>,
                  "Int needs an integral getter");
    TPropInfo& P = New(Name, TPropKind::Integer);
    IntAccess<V>(P, Get, Set);
    P.MinInt = static_cast<std::int64_t>(std::numeric_limits<V>::min());
    if constexpr (std::is_unsigned_v<V> && sizeof(V) >= sizeof(std::int64_t))
      P.MaxInt = std::numeric_limits<std::int64_t>::max();
    else
      P.MaxInt = static_cast<std::int64_t>(std::numeric_limits<V>::max());
    return Finish(P, Default);
  }

  template <typename G, typename S, typename V = detail::TGetResult<T, G>>
  TPropHandle<T> Bool(const char* Name, G Get, S Set, std::optional<bool> Default = std::nullopt) {
    static_assert(std::is_same_v<V, bool>, "Bool needs a bool getter");
    TPropInfo& P = New(Name, TPropKind::Bool);
    IntAccess<bool>(P, Get, Set);
    P.MinInt = 0;
    P.MaxInt = 1;
    return Finish(P, Default);
  }

  /// An enumeration with names declared by VX_ENUM_NAMES.
  template <typename G, typename S, typename V = detail::TGetResult<T, G>>
  TPropHandle<T> Enum(const char* Name, G Get, S Set,
                      std::optional<std::type_identity_t<V>> Default = std::nullopt) {
    static_assert(std::is_enum_v<V>, "Enum needs an enumeration getter");
    TPropInfo& P = New(Name, TPropKind::Enum);
    IntAccess<V>(P, Get, Set);
    P.Enum = &EnumInfoOf(V{});
    P.MinInt = 0;
    P.MaxInt = static_cast<std::int64_t>(P.Enum->Names.size()) - 1;
    return Finish(P, Default);
  }

  /// A TSet<E> of an enumeration with names declared by VX_ENUM_NAMES.
  template <typename G, typename S, typename V = detail::TGetResult<T, G>>
  TPropHandle<T> Set(const char* Name, G Get, S Set,
                     std::optional<std::type_identity_t<V>> Default = std::nullopt) {
    static_assert(detail::TSetTraits<V>::IsSet, "Set needs a TSet getter");
    using E = typename detail::TSetTraits<V>::Element;
    TPropInfo& P = New(Name, TPropKind::Set);
    P.Enum = &EnumInfoOf(E{});
    if (P.Enum->Names.size() > 32)
      throw std::logic_error(std::string("set of more than 32 values: ") + Name);
    P.GetInt = [Get](const TObject& O) {
      return static_cast<std::int64_t>(std::invoke(Get, static_cast<const T&>(O)).ToBits());
    };
    P.SetInt = [Set](TObject& O, std::int64_t Bits) {
      std::invoke(Set, static_cast<T&>(O), V::FromBits(static_cast<typename V::Bits>(Bits)));
    };
    if (Default) {
      P.HasDefault = true;
      P.DefaultInt = static_cast<std::int64_t>(Default->ToBits());
    }
    return Handle();
  }

  /// A colour (a 32-bit colour type such as TColor).
  template <typename G, typename S, typename V = detail::TGetResult<T, G>>
  TPropHandle<T> Color(const char* Name, G Get, S Set,
                       std::optional<std::type_identity_t<V>> Default = std::nullopt) {
    static_assert(detail::IsColorValue<V>, "Color needs a 32-bit colour getter");
    TPropInfo& P = New(Name, TPropKind::Color);
    IntAccess<V>(P, Get, Set);
    P.MinInt = std::numeric_limits<std::int32_t>::min();
    P.MaxInt = std::numeric_limits<std::int32_t>::max();
    return Finish(P, Default);
  }

  template <typename G, typename S, typename V = detail::TGetResult<T, G>>
  TPropHandle<T> Double(const char* Name, G Get, S Set,
                        std::optional<double> Default = std::nullopt) {
    static_assert(std::is_floating_point_v<V>, "Double needs a floating-point getter");
    TPropInfo& P = New(Name, TPropKind::Double);
    P.GetDouble = [Get](const TObject& O) {
      return static_cast<double>(std::invoke(Get, static_cast<const T&>(O)));
    };
    P.SetDouble = [Set](TObject& O, double X) {
      std::invoke(Set, static_cast<T&>(O), static_cast<V>(X));
    };
    if (Default) {
      P.HasDefault = true;
      P.DefaultDouble = *Default;
    }
    return Handle();
  }

  template <typename G, typename S>
  TPropHandle<T> String(const char* Name, G Get, S Set,
                        std::optional<std::string> Default = std::nullopt) {
    TPropInfo& P = New(Name, TPropKind::String);
    P.GetString = [Get](const TObject& O) {
      return std::string(std::invoke(Get, static_cast<const T&>(O)));
    };
    P.SetString = [Set](TObject& O, const std::string& X) {
      std::invoke(Set, static_cast<T&>(O), X);
    };
    if (Default) {
      P.HasDefault = true;
      P.DefaultString = *Default;
    }
    return Handle();
  }

  /// A sub-object owned by T (pointer, unique_ptr or reference getter); its properties
  /// are written inline and read into it. Written only when one of them is.
  template <typename G> TPropHandle<T> Object(const char* Name, G Get) {
    return Sub<TPersistent>(Name, Get, TPropKind::Object);
  }
  /// A collection owned by T: its items (and its own published properties).
  template <typename G> TPropHandle<T> Collection(const char* Name, G Get) {
    return Sub<TCollection>(Name, Get, TPropKind::Collection);
  }
  /// A TStrings owned by T: its lines (objects are not stored). Written when not empty.
  template <typename G> TPropHandle<T> Strings(const char* Name, G Get) {
    return Sub<TStrings>(Name, Get, TPropKind::Strings);
  }

  /// A reference to a component of the getter's type, written by name (nil: not written).
  template <typename G, typename S> TPropHandle<T> Component(const char* Name, G Get, S Set) {
    using X = std::remove_cv_t<std::remove_pointer_t<detail::TGetResult<T, G>>>;
    static_assert(std::is_base_of_v<TComponent, X>, "Component needs a component pointer getter");
    TPropInfo& P = New(Name, TPropKind::Component);
    P.ObjectClass = X::StaticClassName();
    P.GetComponent = [Get](const TObject& O) -> TComponent* {
      return const_cast<X*>(std::invoke(Get, static_cast<const T&>(O)));
    };
    P.SetComponent = [Set](TObject& O, TComponent* C) {
      std::invoke(Set, static_cast<T&>(O), dynamic_cast<X*>(C));
    };
    P.AcceptsComponent = [](const TComponent* C) { return dynamic_cast<const X*>(C) != nullptr; };
    return Handle();
  }

  /// An event (a std::function), written as its handler's name when it has one.
  template <typename G, typename S> TPropHandle<T> Event(const char* Name, G Get, S Set) {
    using V = detail::TGetResult<T, G>;
    static_assert(detail::TEventTraits<V>::IsEvent, "Event needs a std::function getter");
    TPropInfo& P = New(Name, TPropKind::Event);
    P.GetHandlerName = [Get](const TObject& O) {
      const auto& Fn = std::invoke(Get, static_cast<const T&>(O));
      const std::string* N = HandlerName(Fn);
      return N ? *N : std::string();
    };
    P.BindHandler = [Set](TObject* O, const THandlerTable& Table, const std::string& Handler) {
      const V* Fn = Table.Find<V>(Handler);
      if (!Fn) return Table.Contains(Handler) ? THandlerStatus::WrongType : THandlerStatus::Missing;
      if (O) std::invoke(Set, static_cast<T&>(*O), V(NamedHandler(Handler, *Fn)));
      return THandlerStatus::Ok;
    };
    return Handle();
  }

private:
  TPropInfo& New(const char* Name, TPropKind Kind) {
    const std::string_view N(Name);
    if (N.empty() || N == "Class" || N == "Components" || N == "Items")
      throw std::logic_error(std::string("reserved or empty property name: ") + Name);
    FInfo.OwnProps.emplace_back();
    TPropInfo& P = FInfo.OwnProps.back();
    P.Name = Name;
    P.Kind = Kind;
    return P;
  }
  TPropHandle<T> Handle() { return TPropHandle<T>(FInfo, FInfo.OwnProps.size() - 1); }

  template <typename V, typename G, typename S> static void IntAccess(TPropInfo& P, G Get, S Set) {
    P.GetInt = [Get](const TObject& O) {
      return static_cast<std::int64_t>(std::invoke(Get, static_cast<const T&>(O)));
    };
    P.SetInt = [Set](TObject& O, std::int64_t X) {
      std::invoke(Set, static_cast<T&>(O), static_cast<V>(X));
    };
  }
  template <typename V> TPropHandle<T> Finish(TPropInfo& P, const std::optional<V>& Default) {
    if (Default) {
      P.HasDefault = true;
      P.DefaultInt = static_cast<std::int64_t>(*Default);
    }
    return Handle();
  }
  template <typename Base, typename G> TPropHandle<T> Sub(const char* Name, G Get, TPropKind Kind) {
    using X = std::remove_cv_t<std::remove_pointer_t<decltype(detail::ToPointer(
        std::invoke(Get, std::declval<const T&>())))>>;
    static_assert(std::is_base_of_v<Base, X>, "the getter returns the wrong kind of object");
    TPropInfo& P = New(Name, Kind);
    P.ObjectClass = X::StaticClassName();
    P.GetObject = [Get](const TObject& O) -> TPersistent* {
      auto&& R = std::invoke(Get, static_cast<const T&>(O));
      return const_cast<X*>(detail::ToPointer(R));
    };
    return Handle();
  }

  TClassInfo& FInfo;
};

namespace detail {

/// Registers C with parent P and the function declaring C's properties.
template <typename C, typename P> bool RegisterPublished(void (*Describe)(TClassBuilder<C>&)) {
  static_assert(std::is_base_of_v<TPersistent, C>, "published classes derive from TPersistent");
  static_assert(std::is_base_of_v<P, C>, "the parent class must be a base of the class");
  static_assert(std::is_same_v<C, P> || !SameName(C::StaticClassName(), P::StaticClassName()),
                "the class lacks VX_CLASS_NAME");
  TClassRecord R;
  R.Name = C::StaticClassName();
  R.ParentName = std::is_same_v<C, P> ? "" : P::StaticClassName();
  R.Describe = [Describe](TClassInfo& Info) {
    TClassBuilder<C> B(Info);
    Describe(B);
  };
  if constexpr (std::is_base_of_v<TComponent, C> && !std::is_abstract_v<C> &&
                std::is_constructible_v<C, TComponent*>)
    R.Factory = [](TComponent* Owner) -> TComponent* { return new C(Owner); };
  return RegisterClassRecord(std::move(R));
}

} // namespace detail

} // namespace vx
