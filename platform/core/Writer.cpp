// The description writer: walks a component tree along the published properties and
// emits JSON, leaving out what equals its declared default.

#include "platform/core/Exceptions.h"
#include "platform/core/Published.h"
#include "platform/core/StreamValues.h"
#include "platform/core/Streaming.h"

#include <nlohmann/json.hpp>

#include <fstream>

namespace vx {

namespace {

using Json = nlohmann::ordered_json;

class TWriter {
public:
  explicit TWriter(const TComponent& Root) : FRoot(Root) {}

  Json Component(const TComponent& C, const std::string& Path, int Depth) {
    CheckDepth(Path, Depth);
    Json Out = Json::object();
    Out["Class"] = C.ClassName();
    Props(C, Info(C, Path), Out, Path, Depth);
    Json Children = Json::array();
    for (int I = 0; I < C.ComponentCount(); ++I) {
      const TComponent& Child = *C.Components(I);
      const std::string ChildPath =
          Path + "." +
          (Child.Name().empty() ? "Components[" + std::to_string(I) + "]" : Child.Name());
      Children.push_back(Component(Child, ChildPath, Depth + 2));
    }
    if (!Children.empty()) Out["Components"] = std::move(Children);
    return Out;
  }

private:
  [[noreturn]] static void Fail(const std::string& Path, const std::string& Reason) {
    throw EWriteError(Path + ": " + Reason);
  }
  static void CheckDepth(const std::string& Path, int Depth) {
    if (Depth > kMaxDescriptionDepth)
      Fail(Path, "nests deeper than " + std::to_string(kMaxDescriptionDepth) + " levels");
  }
  static const TClassInfo& Info(const TObject& Obj, const std::string& Path) {
    const TClassInfo* I = FindClassInfo(Obj.ClassName());
    if (!I) Fail(Path, std::string("class ") + Obj.ClassName() + " is not registered");
    return *I;
  }

  void Props(const TObject& Obj, const TClassInfo& Info, Json& Out, const std::string& Path,
             int Depth) {
    for (const TPropInfo* P : Info.Props) {
      if (P->Stored && !P->Stored(Obj)) continue;
      const std::string PropPath = Path + "." + P->Name;
      Json Value = Prop(Obj, *P, PropPath, Depth);
      if (!Value.is_discarded()) Out[P->Name] = std::move(Value);
    }
  }

  // The JSON of one property, or a discarded value when it is not to be written.
  Json Prop(const TObject& Obj, const TPropInfo& P, const std::string& Path, int Depth) {
    const Json Skip(Json::value_t::discarded);
    switch (P.Kind) {
    case TPropKind::Integer:
    case TPropKind::Bool:
    case TPropKind::Enum:
    case TPropKind::Set:
    case TPropKind::Color: {
      const std::int64_t V = P.GetInt(Obj);
      if (P.HasDefault && V == P.DefaultInt) return Skip;
      return Ordinal(P, V, Path);
    }
    case TPropKind::Double: {
      const double V = P.GetDouble(Obj);
      if (P.HasDefault && (V == P.DefaultDouble || (V != V && P.DefaultDouble != P.DefaultDouble)))
        return Skip;
      if (const char* Token = detail::NonFiniteToken(V)) return Token;
      return V;
    }
    case TPropKind::String: {
      std::string V = P.GetString(Obj);
      if (P.HasDefault && V == P.DefaultString) return Skip;
      return V;
    }
    case TPropKind::Object: {
      const TPersistent* Sub = P.GetObject(Obj);
      if (!Sub) return Skip;
      CheckDepth(Path, Depth + 1);
      Json Out = Json::object();
      Props(*Sub, Info(*Sub, Path), Out, Path, Depth + 1);
      return Out.empty() ? Skip : Out;
    }
    case TPropKind::Collection:
      return Collection(dynamic_cast<const TCollection*>(P.GetObject(Obj)), Path, Depth);
    case TPropKind::Strings: {
      const auto* S = dynamic_cast<const TStrings*>(P.GetObject(Obj));
      if (!S || S->Count() == 0) return Skip;
      Json Lines = Json::array();
      for (int I = 0; I < S->Count(); ++I)
        Lines.push_back(S->Strings(I));
      return Lines;
    }
    case TPropKind::Component: {
      const TComponent* C = P.GetComponent(Obj);
      return C ? Json(Reference(*C, Path)) : Skip;
    }
    case TPropKind::Event: {
      std::string Name = P.GetHandlerName(Obj);
      return Name.empty() ? Skip : Json(Name);
    }
    }
    return Skip;
  }

  static Json Ordinal(const TPropInfo& P, std::int64_t V, const std::string& Path) {
    switch (P.Kind) {
    case TPropKind::Bool:
      return V != 0;
    case TPropKind::Enum:
      if (V < 0 || V >= static_cast<std::int64_t>(P.Enum->Names.size()))
        Fail(Path, "ordinal " + std::to_string(V) + " has no name in " + P.Enum->TypeName);
      return P.Enum->Names[static_cast<std::size_t>(V)];
    case TPropKind::Set: {
      Json Names = Json::array();
      for (std::size_t Bit = 0; Bit < 32; ++Bit) {
        if ((static_cast<std::uint64_t>(V) & (std::uint64_t{1} << Bit)) == 0) continue;
        if (Bit >= P.Enum->Names.size())
          Fail(Path, "bit " + std::to_string(Bit) + " has no name in " + P.Enum->TypeName);
        Names.push_back(P.Enum->Names[Bit]);
      }
      return Names;
    }
    case TPropKind::Color: {
      if (auto Text = detail::ColorToText(static_cast<std::int32_t>(V))) return *Text;
      return V;
    }
    default:
      return V;
    }
  }

  Json Collection(const TCollection* C, const std::string& Path, int Depth) {
    if (!C) return Json(Json::value_t::discarded);
    CheckDepth(Path, Depth + 2);
    Json Own = Json::object();
    Props(*C, Info(*C, Path), Own, Path, Depth + 1);
    Json Items = Json::array();
    for (int I = 0; I < C->Count(); ++I) {
      const TCollectionItem& Item = *C->Items(I);
      const std::string ItemPath = Path + "[" + std::to_string(I) + "]";
      Json Out = Json::object();
      Props(Item, Info(Item, ItemPath), Out, ItemPath, Depth + 2);
      Items.push_back(std::move(Out));
    }
    if (Own.empty()) return Items.empty() ? Json(Json::value_t::discarded) : Items;
    if (!Items.empty()) Own["Items"] = std::move(Items);
    return Own;
  }

  // Inside the written tree: the names from below the root down to the target; the root
  // itself: its name; elsewhere: the names from the target's top-most owner down.
  std::string Reference(const TComponent& Target, const std::string& Path) const {
    std::vector<const TComponent*> Chain;
    const TComponent* C = &Target;
    if (C == &FRoot) {
      Chain.push_back(C);
    } else {
      for (; C && C != &FRoot; C = C->Owner())
        Chain.push_back(C);
    }
    std::string Result;
    for (auto It = Chain.rbegin(); It != Chain.rend(); ++It) {
      if ((*It)->Name().empty()) Fail(Path, "refers to a component without a name");
      if (!Result.empty()) Result += '.';
      Result += (*It)->Name();
    }
    return Result;
  }

  const TComponent& FRoot;
};

} // namespace

std::string WriteComponent(const TComponent& Root) {
  const std::string RootPath = Root.Name().empty() ? Root.ClassName() : Root.Name();
  Json J = TWriter(Root).Component(Root, RootPath, 1);
  try {
    return J.dump(2) + "\n";
  } catch (const Json::type_error& E) {
    throw EWriteError(RootPath + ": a string is not valid UTF-8 (" + E.what() + ")");
  }
}

void WriteComponentFile(const TComponent& Root, const std::string& Path) {
  const std::string Text = WriteComponent(Root);
  std::ofstream Out(Path, std::ios::binary | std::ios::trunc);
  Out << Text;
  Out.close();
  if (!Out) throw EWriteError(Path + ": cannot write the file");
}

} // namespace vx
