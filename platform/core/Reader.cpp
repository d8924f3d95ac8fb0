// The description reader. It walks the description twice: a check pass that converts and
// validates every value against the registered classes without changing anything, then
// an apply pass that creates the components and sets the properties in stored order.
// Component references are resolved after the whole description is read, then every
// component read gets Loaded.

#include "platform/core/Exceptions.h"
#include "platform/core/Published.h"
#include "platform/core/StreamValues.h"
#include "platform/core/Streaming.h"
#include "platform/core/UpdateGuard.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <set>
#include <sstream>

namespace vx {

namespace {

using Json = nlohmann::ordered_json;

bool SameName(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (std::size_t I = 0; I < A.size(); ++I) {
    char CA = A[I], CB = B[I];
    if (CA >= 'A' && CA <= 'Z') CA = static_cast<char>(CA - 'A' + 'a');
    if (CB >= 'A' && CB <= 'Z') CB = static_cast<char>(CB - 'A' + 'a');
    if (CA != CB) return false;
  }
  return true;
}

bool IsIdent(const std::string& S) {
  if (S.empty()) return false;
  for (std::size_t I = 0; I < S.size(); ++I) {
    const char C = S[I];
    const bool Alpha = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_';
    if (!(Alpha || (I > 0 && C >= '0' && C <= '9'))) return false;
  }
  return true;
}

std::vector<std::string> SplitPath(const std::string& Ref) {
  std::vector<std::string> Segs;
  std::size_t Start = 0;
  for (;;) {
    const std::size_t Dot = Ref.find('.', Start);
    Segs.push_back(Ref.substr(Start, Dot - Start));
    if (Dot == std::string::npos) return Segs;
    Start = Dot + 1;
  }
}

bool InheritsFrom(const TClassInfo* Info, const char* ClassName) {
  for (; Info; Info = Info->Parent)
    if (Info->Name == ClassName) return true;
  return false;
}

[[noreturn]] void Fail(const std::string& Path, const std::string& Reason) {
  throw EReadError(Path + ": " + Reason);
}

// A first pass over the text that refuses what the reader must never see: nesting deeper
// than the bound and duplicate keys (two values for one property). The DOM parser's
// own callback hook is not used because it is quadratic on long arrays of objects.
class TSyntaxCheck : public nlohmann::json_sax<Json> {
public:
  bool null() override { return true; }
  bool boolean(bool) override { return true; }
  bool number_integer(number_integer_t) override { return true; }
  bool number_unsigned(number_unsigned_t) override { return true; }
  bool number_float(number_float_t, const string_t&) override { return true; }
  bool string(string_t&) override { return true; }
  bool binary(binary_t&) override { return true; }
  bool start_object(std::size_t) override {
    Enter();
    FKeys.emplace_back();
    FKeyPath.emplace_back();
    return true;
  }
  bool key(string_t& Key) override {
    if (!FKeys.back().insert(Key).second) Fail(Where(false), "duplicate key \"" + Key + "\"");
    FKeyPath.back() = Key;
    return true;
  }
  bool end_object() override {
    --FDepth;
    FKeys.pop_back();
    FKeyPath.pop_back();
    return true;
  }
  bool start_array(std::size_t) override {
    Enter();
    FKeyPath.emplace_back();
    return true;
  }
  bool end_array() override {
    --FDepth;
    FKeyPath.pop_back();
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& E) override {
    throw EReadError(std::string("description: not valid JSON (") + E.what() + ")");
  }

private:
  void Enter() {
    if (++FDepth > kMaxDescriptionDepth)
      Fail(Where(true), "nests deeper than " + std::to_string(kMaxDescriptionDepth) + " levels");
  }
  // The keys leading to the current value; for a duplicate key, to its object.
  std::string Where(bool WithLast) const {
    std::string P = "description";
    for (std::size_t I = 0; I + (WithLast ? 0 : 1) < FKeyPath.size(); ++I)
      if (!FKeyPath[I].empty()) P += "." + FKeyPath[I];
    return P;
  }

  int FDepth = 0;
  std::vector<std::set<std::string>> FKeys;
  std::vector<std::string> FKeyPath;
};

Json Parse(std::string_view Text) {
  TSyntaxCheck Check;
  Json::sax_parse(Text.begin(), Text.end(), &Check);
  try {
    return Json::parse(Text.begin(), Text.end());
  } catch (const Json::exception& E) {
    throw EReadError(std::string("description: not valid JSON (") + E.what() + ")");
  }
}

} // namespace

class TReader {
public:
  explicit TReader(const THandlerTable* Handlers) : FHandlers(Handlers ? *Handlers : FNoHandlers) {}

  std::unique_ptr<TComponent> ReadNew(std::string_view Text, TComponent* Owner) {
    const Json J = Parse(Text);
    const TClassInfo& Info = RootClass(J);
    const std::string Path = RootPath(J);
    FExternalTop = Top(Owner);
    // Check pass.
    TNameNode Root{RootName(J), &Info, nullptr, {}};
    if (Owner) CheckNameFree(Owner, Root.Name, nullptr, Path);
    Component(J, Info, nullptr, &Root, Path);
    CheckFixups(Root);
    // Apply pass: everything created hangs off Root, so unwinding destroys it all.
    FApply = true;
    std::unique_ptr<TComponent> Result(Create(Info, Owner, Path));
    Component(J, Info, Result.get(), nullptr, Path);
    ApplyFixups(Result.get());
    CallLoaded();
    return Result;
  }

  void ReadInto(TComponent& Root, std::string_view Text) {
    const Json J = Parse(Text);
    const TClassInfo& Info = RootClass(J);
    const std::string Path = RootPath(J);
    if (Info.Name != Root.ClassName())
      Fail(Path, "the description is of class " + Info.Name + ", not " + Root.ClassName());
    FExternalTop = Root.Owner() ? Top(Root.Owner()) : nullptr;
    TNameNode Node{RootName(J), &Info, &Root, {}};
    if (Root.Owner()) CheckNameFree(Root.Owner(), Node.Name, &Root, Path);
    Component(J, Info, &Root, &Node, Path);
    CheckFixups(Node);

    FApply = true;
    FIntoRoot = &Root;
    Root.FComponentState.Include(csLoading);
    Root.FComponentState.Include(csReading);
    FLoaded.push_back(&Root);
    try {
      Component(J, Info, &Root, nullptr, Path);
      ApplyFixups(&Root);
      CallLoaded();
    } catch (...) {
      for (auto It = FCreatedInRoot.rbegin(); It != FCreatedInRoot.rend(); ++It)
        delete *It;
      Root.FComponentState.Exclude(csReading);
      Root.FComponentState.Exclude(csLoading);
      throw;
    }
  }

private:
  // A component of the description during the check pass (no object exists yet), or the
  // existing root of ReadComponentInto.
  struct TNameNode {
    std::string Name;
    const TClassInfo* Info;
    const TComponent* Existing;
    std::vector<std::unique_ptr<TNameNode>> Children;
  };
  struct TFixup {
    TObject* Obj;
    const TPropInfo* Prop;
    std::string Ref;
    std::string Path;
  };
  // Where a reference led: a node of the description or an existing component.
  struct TTarget {
    const TNameNode* Node = nullptr;
    const TComponent* Comp = nullptr;
    explicit operator bool() const { return Node || Comp; }
  };

  static const TClassInfo& RootClass(const Json& J) {
    if (!J.is_object())
      Fail("description", std::string("expected an object, found ") + J.type_name());
    const auto It = J.find("Class");
    if (It == J.end() || !It->is_string()) Fail(RootPath(J), "\"Class\" (a class name) is missing");
    return ComponentClass(It->get<std::string>(), RootPath(J));
  }
  static std::string RootName(const Json& J) {
    const auto It = J.find("Name");
    return It != J.end() && It->is_string() ? It->get<std::string>() : std::string();
  }
  static std::string RootPath(const Json& J) {
    std::string Name = J.is_object() ? RootName(J) : std::string();
    if (!Name.empty()) return Name;
    if (J.is_object())
      if (const auto It = J.find("Class"); It != J.end() && It->is_string())
        return It->get<std::string>();
    return "description";
  }
  static const TClassInfo& ComponentClass(const std::string& Name, const std::string& Path) {
    const TClassInfo* Info = FindClassInfo(Name);
    if (!Info) Fail(Path, "unknown class " + Name);
    if (!Info->CreateComponent) Fail(Path, Name + " is not a component class that can be created");
    return *Info;
  }
  static TComponent* Top(TComponent* C) {
    while (C && C->Owner())
      C = C->Owner();
    return C;
  }
  static void CheckNameFree(const TComponent* Owner, const std::string& Name,
                            const TComponent* Self, const std::string& Path) {
    const TComponent* Other = Name.empty() ? nullptr : Owner->FindComponent(Name);
    if (Other && Other != Self) Fail(Path, "a component named " + Name + " already exists");
  }

  TComponent* Create(const TClassInfo& Info, TComponent* Owner, const std::string& Path) {
    TComponent::LoadingConstruction() = true;
    TComponent* C = nullptr;
    try {
      C = Info.CreateComponent(Owner);
    } catch (const EReadError&) {
      TComponent::LoadingConstruction() = false;
      throw;
    } catch (const std::exception& E) {
      TComponent::LoadingConstruction() = false;
      Fail(Path, std::string("cannot create ") + Info.Name + ": " + E.what());
    }
    TComponent::LoadingConstruction() = false;
    C->FComponentState.Include(csLoading);
    C->FComponentState.Include(csReading);
    FLoaded.push_back(C);
    return C;
  }

  // One component's properties and owned components. Comp is null in the check pass
  // except for the existing root of ReadComponentInto, which the check pass only reads.
  void Component(const Json& J, const TClassInfo& Info, TComponent* Comp, TNameNode* Node,
                 const std::string& Path) {
    for (const auto& [Key, Value] : J.items()) {
      if (Key == "Class") continue;
      if (Key == "Components") {
        Children(Value, Comp, Node, Path + ".Components");
        continue;
      }
      if (Key == "Name" && !FApply && Value.is_string() && !Value.get<std::string>().empty() &&
          !IsIdent(Value.get<std::string>()))
        Fail(Path + ".Name", "'" + Value.get<std::string>() + "' is not a valid component name");
      Prop(Value, Comp, Info, Key, Path);
    }
  }

  void Children(const Json& V, TComponent* Parent, TNameNode* ParentNode, const std::string& Path) {
    if (!V.is_array())
      Fail(Path, std::string("expected an array of components, found ") + V.type_name());
    const std::string OwnerPath = Path.substr(0, Path.size() - std::string(".Components").size());
    int Index = 0;
    for (const Json& C : V) {
      const std::string Name = C.is_object() ? RootName(C) : std::string();
      const std::string ChildPath =
          OwnerPath + "." + (Name.empty() ? "Components[" + std::to_string(Index) + "]" : Name);
      ++Index;
      if (!C.is_object())
        Fail(ChildPath, std::string("expected a component object, found ") + C.type_name());
      const auto ClassIt = C.find("Class");
      if (ClassIt == C.end() || !ClassIt->is_string())
        Fail(ChildPath, "\"Class\" (a class name) is missing");
      const TClassInfo& Info = ComponentClass(ClassIt->get<std::string>(), ChildPath);
      if (!FApply) {
        for (const auto& Sibling : ParentNode->Children)
          if (!Name.empty() && SameName(Sibling->Name, Name))
            Fail(ChildPath, "a component named " + Name + " already exists");
        if (ParentNode->Existing) CheckNameFree(ParentNode->Existing, Name, nullptr, ChildPath);
        ParentNode->Children.push_back(
            std::make_unique<TNameNode>(TNameNode{Name, &Info, nullptr, {}}));
        Component(C, Info, nullptr, ParentNode->Children.back().get(), ChildPath);
      } else {
        TComponent* Child = Create(Info, Parent, ChildPath);
        if (Parent == FIntoRoot) FCreatedInRoot.push_back(Child);
        Component(C, Info, Child, nullptr, ChildPath);
      }
    }
  }

  // Properties of a persistent (sub-object or collection item) from a JSON object.
  void Object(const Json& J, TObject* Obj, const TClassInfo& Info, const std::string& Path,
              const char* Reserved = nullptr) {
    if (!J.is_object()) Fail(Path, std::string("expected an object, found ") + J.type_name());
    for (const auto& [Key, Value] : J.items())
      if (!Reserved || Key != Reserved) Prop(Value, Obj, Info, Key, Path);
  }

  void Prop(const Json& V, TObject* Obj, const TClassInfo& Info, const std::string& Key,
            const std::string& OwnerPath) {
    const std::string Path = OwnerPath + "." + Key;
    const TPropInfo* P = Info.FindProp(Key);
    if (!P) Fail(Path, "unknown property of " + Info.Name);
    try {
      Value(V, Obj, *P, Path);
    } catch (const EReadError&) {
      throw;
    } catch (const std::exception& E) {
      // A setter or constructor refused: name the place.
      Fail(Path, E.what());
    }
  }

  static std::int64_t Integer(const Json& V, const TPropInfo& P, const std::string& Path) {
    std::int64_t X = 0;
    if (V.is_number_unsigned()) {
      const auto U = V.get<std::uint64_t>();
      if (U > static_cast<std::uint64_t>(P.MaxInt))
        Fail(Path, "value " + V.dump() + " is out of range (" + std::to_string(P.MinInt) + ".." +
                       std::to_string(P.MaxInt) + ")");
      X = static_cast<std::int64_t>(U);
    } else if (V.is_number_integer()) {
      X = V.get<std::int64_t>();
    } else {
      Fail(Path, std::string("expected an integer, found ") +
                     (V.is_number_float() ? "the number " + V.dump() : V.type_name()));
    }
    if (X < P.MinInt || X > P.MaxInt)
      Fail(Path, "value " + std::to_string(X) + " is out of range (" + std::to_string(P.MinInt) +
                     ".." + std::to_string(P.MaxInt) + ")");
    return X;
  }

  static std::string String(const Json& V, const std::string& What, const std::string& Path) {
    if (!V.is_string()) Fail(Path, "expected " + What + ", found " + V.type_name());
    return V.get<std::string>();
  }

  static std::int64_t EnumValue(const Json& V, const TPropInfo& P, const std::string& Path) {
    const std::string Name = String(V, std::string("a value name of ") + P.Enum->TypeName, Path);
    const int I = P.Enum->IndexOf(Name);
    if (I < 0) Fail(Path, "'" + Name + "' is not a value of " + P.Enum->TypeName);
    return I;
  }

  void Value(const Json& V, TObject* Obj, const TPropInfo& P, const std::string& Path) {
    const bool Apply = FApply && Obj;
    switch (P.Kind) {
    case TPropKind::Integer: {
      const std::int64_t X = Integer(V, P, Path);
      if (Apply) P.SetInt(*Obj, X);
      return;
    }
    case TPropKind::Bool:
      if (!V.is_boolean())
        Fail(Path, std::string("expected true or false, found ") + V.type_name());
      if (Apply) P.SetInt(*Obj, V.get<bool>() ? 1 : 0);
      return;
    case TPropKind::Enum: {
      const std::int64_t X = EnumValue(V, P, Path);
      if (Apply) P.SetInt(*Obj, X);
      return;
    }
    case TPropKind::Set: {
      if (!V.is_array())
        Fail(Path, std::string("expected an array of value names, found ") + V.type_name());
      std::int64_t Bits = 0;
      for (const Json& E : V)
        Bits |= std::int64_t{1} << EnumValue(E, P, Path);
      if (Apply) P.SetInt(*Obj, Bits);
      return;
    }
    case TPropKind::Color: {
      std::int64_t X = 0;
      if (V.is_string()) {
        const auto C = detail::TextToColor(V.get<std::string>());
        if (!C) Fail(Path, "'" + V.get<std::string>() + "' is not a colour name or #RRGGBB");
        X = *C;
      } else {
        X = Integer(V, P, Path);
      }
      if (Apply) P.SetInt(*Obj, X);
      return;
    }
    case TPropKind::Double: {
      double X = 0;
      if (V.is_number()) {
        X = V.get<double>();
      } else if (V.is_string()) {
        const auto T = detail::TokenToNonFinite(V.get<std::string>());
        if (!T) Fail(Path, "expected a number, found the string " + V.dump());
        X = *T;
      } else {
        Fail(Path, std::string("expected a number, found ") + V.type_name());
      }
      if (Apply) P.SetDouble(*Obj, X);
      return;
    }
    case TPropKind::String: {
      const std::string S = String(V, "a string", Path);
      if (Apply) P.SetString(*Obj, S);
      return;
    }
    case TPropKind::Object: {
      TPersistent* Sub = Obj ? P.GetObject(*Obj) : nullptr;
      if (Obj && !Sub) Fail(Path, "there is no object to read into");
      Object(V, Sub, SubClass(Sub, P, Path), Path);
      return;
    }
    case TPropKind::Collection:
      Collection(V, Obj ? dynamic_cast<TCollection*>(P.GetObject(*Obj)) : nullptr, P, Obj, Path);
      return;
    case TPropKind::Strings: {
      if (!V.is_array())
        Fail(Path, std::string("expected an array of lines, found ") + V.type_name());
      for (const Json& L : V)
        String(L, "a line (string)", Path);
      if (!Apply) return;
      auto* S = dynamic_cast<TStrings*>(P.GetObject(*Obj));
      if (!S) Fail(Path, "there is no list to read into");
      TUpdateGuard Guard(*S);
      S->Clear();
      for (const Json& L : V)
        S->Add(L.get<std::string>());
      return;
    }
    case TPropKind::Component:
      if (V.is_null()) {
        if (Apply) P.SetComponent(*Obj, nullptr);
        return;
      }
      FFixups.push_back(
          TFixup{Apply ? Obj : nullptr, &P, String(V, "a component name", Path), Path});
      return;
    case TPropKind::Event: {
      if (V.is_null()) return;
      const std::string Name = String(V, "a handler name", Path);
      switch (P.BindHandler(Apply ? Obj : nullptr, FHandlers, Name)) {
      case THandlerStatus::Ok:
        return;
      case THandlerStatus::Missing:
        Fail(Path, "no handler named " + Name);
      case THandlerStatus::WrongType:
        Fail(Path, "handler " + Name + " does not fit this event");
      }
      return;
    }
    }
  }

  static const TClassInfo& SubClass(const TPersistent* Sub, const TPropInfo& P,
                                    const std::string& Path) {
    const char* Name = Sub ? Sub->ClassName() : P.ObjectClass;
    const TClassInfo* Info = FindClassInfo(Name);
    if (!Info) Fail(Path, std::string("class ") + Name + " is not registered");
    return *Info;
  }

  void Collection(const Json& V, TCollection* Coll, const TPropInfo& P, TObject* Obj,
                  const std::string& Path) {
    if (Obj && !Coll) Fail(Path, "there is no collection to read into");
    if (!V.is_array() && !V.is_object())
      Fail(Path, std::string("expected an array of items, found ") + V.type_name());
    const TClassInfo& Info = SubClass(Coll, P, Path);
    const Json* Items = V.is_array() ? &V : nullptr;
    if (V.is_object())
      if (const auto It = V.find("Items"); It != V.end()) {
        if (!It->is_array())
          Fail(Path + ".Items",
               std::string("expected an array of items, found ") + It->type_name());
        Items = &*It;
      }
    if (!FApply || !Obj) {
      if (V.is_object()) Object(V, Coll, Info, Path, "Items");
      // Items can be checked only when the collection exists and so names its item class.
      const TClassInfo* ItemInfo = Coll ? FindClassInfo(Coll->ItemClass().Name) : nullptr;
      if (Coll && !ItemInfo)
        Fail(Path, std::string("item class ") + Coll->ItemClass().Name + " is not registered");
      if (Items) {
        int I = 0;
        for (const Json& Item : *Items) {
          const std::string ItemPath = Path + "[" + std::to_string(I++) + "]";
          if (!Item.is_object())
            Fail(ItemPath, std::string("expected an item object, found ") + Item.type_name());
          if (ItemInfo) Object(Item, nullptr, *ItemInfo, ItemPath);
        }
      }
      return;
    }
    TUpdateGuard Guard(*Coll);
    if (V.is_object()) Object(V, Coll, Info, Path, "Items");
    if (!Items) return;
    Coll->Clear();
    int I = 0;
    for (const Json& Item : *Items) {
      const std::string ItemPath = Path + "[" + std::to_string(I++) + "]";
      TCollectionItem* New = Coll->Add();
      const TClassInfo* ItemInfo = FindClassInfo(New->ClassName());
      if (!ItemInfo)
        Fail(ItemPath, std::string("class ") + New->ClassName() + " is not registered");
      Object(Item, New, *ItemInfo, ItemPath);
    }
  }

  // --- references ---

  static const TNameNode* FindChild(const TNameNode& Node, const std::string& Name) {
    for (const auto& C : Node.Children)
      if (SameName(C->Name, Name)) return C.get();
    return nullptr;
  }
  static TTarget Walk(TTarget At, const std::vector<std::string>& Segs, std::size_t From) {
    for (std::size_t I = From; I < Segs.size() && At; ++I) {
      if (At.Node) {
        const TComponent* Existing = At.Node->Existing;
        At.Node = FindChild(*At.Node, Segs[I]);
        if (!At.Node && Existing) At.Comp = Existing->FindComponent(Segs[I]);
      } else {
        At.Comp = At.Comp->FindComponent(Segs[I]);
      }
    }
    return At;
  }
  static TTarget Resolve(TTarget Root, const std::string& RootName,
                         const std::vector<std::string>& Segs) {
    if (TTarget T = Walk(Root, Segs, 0)) return T;
    if (!RootName.empty() && SameName(RootName, Segs[0])) return Walk(Root, Segs, 1);
    return {};
  }
  TTarget ResolveAnywhere(TTarget Root, const std::string& RootName, const std::string& Ref) const {
    const std::vector<std::string> Segs = SplitPath(Ref);
    if (TTarget T = Resolve(Root, RootName, Segs)) return T;
    if (FExternalTop) return Resolve(TTarget{nullptr, FExternalTop}, FExternalTop->Name(), Segs);
    return {};
  }

  void CheckFixups(const TNameNode& Root) {
    for (const TFixup& F : FFixups) {
      const TTarget T = ResolveAnywhere(TTarget{&Root, nullptr}, Root.Name, F.Ref);
      if (!T) Fail(F.Path, "no component named " + F.Ref);
      const bool Fits = T.Node ? InheritsFrom(T.Node->Info, F.Prop->ObjectClass)
                               : F.Prop->AcceptsComponent(T.Comp);
      if (!Fits) Fail(F.Path, F.Ref + " is not a " + F.Prop->ObjectClass);
    }
    FFixups.clear();
  }

  void ApplyFixups(TComponent* Root) {
    for (const TFixup& F : FFixups) {
      if (!F.Obj) continue;
      const TTarget T = ResolveAnywhere(TTarget{nullptr, Root}, Root->Name(), F.Ref);
      auto* Target = const_cast<TComponent*>(T.Comp);
      if (!Target) Fail(F.Path, "no component named " + F.Ref);
      if (!F.Prop->AcceptsComponent(Target))
        Fail(F.Path, F.Ref + " is not a " + F.Prop->ObjectClass);
      try {
        F.Prop->SetComponent(*F.Obj, Target);
      } catch (const EReadError&) {
        throw;
      } catch (const std::exception& E) {
        Fail(F.Path, E.what());
      }
    }
  }

  void CallLoaded() {
    for (TComponent* C : FLoaded) {
      C->FComponentState.Exclude(csReading);
      C->Loaded();
      C->FComponentState.Exclude(csLoading);
    }
  }

  const THandlerTable FNoHandlers;
  const THandlerTable& FHandlers;
  bool FApply = false;
  TComponent* FExternalTop = nullptr;
  TComponent* FIntoRoot = nullptr;
  std::vector<TFixup> FFixups;
  std::vector<TComponent*> FLoaded;
  std::vector<TComponent*> FCreatedInRoot;
};

std::unique_ptr<TComponent> ReadComponent(std::string_view Text, const THandlerTable* Handlers) {
  return TReader(Handlers).ReadNew(Text, nullptr);
}

TComponent* ReadComponent(std::string_view Text, TComponent& Owner, const THandlerTable* Handlers) {
  return TReader(Handlers).ReadNew(Text, &Owner).release();
}

void ReadComponentInto(TComponent& Root, std::string_view Text, const THandlerTable* Handlers) {
  TReader(Handlers).ReadInto(Root, Text);
}

std::unique_ptr<TComponent> ReadComponentFile(const std::string& Path,
                                              const THandlerTable* Handlers) {
  std::ifstream In(Path, std::ios::binary);
  if (!In) throw EReadError(Path + ": cannot open the file");
  std::ostringstream Text;
  Text << In.rdbuf();
  return ReadComponent(Text.str(), Handlers);
}

} // namespace vx
