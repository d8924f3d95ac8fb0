// The class registry behind published properties, and the registrations of the object
// model's own classes.

#include "platform/core/Exceptions.h"
#include "platform/core/Published.h"

#include <map>
#include <memory>
#include <mutex>

namespace vx {

int TEnumInfo::IndexOf(std::string_view Name) const {
  for (std::size_t I = 0; I < Names.size(); ++I)
    if (Name == Names[I]) return static_cast<int>(I);
  return -1;
}

const TPropInfo* TClassInfo::FindProp(std::string_view PropName) const {
  for (const TPropInfo* P : Props)
    if (P->Name == PropName) return P;
  return nullptr;
}

namespace {

struct TRegistry {
  std::recursive_mutex Lock;
  std::map<std::string, std::vector<detail::TClassRecord>, std::less<>> Records;
  std::map<std::string, std::unique_ptr<TClassInfo>, std::less<>> Resolved;
};

TRegistry& Registry() {
  static TRegistry R;
  return R;
}

// Builds the class info of Name (and its ancestors) on first use, so the order in which
// translation units register their classes does not matter.
const TClassInfo* Resolve(TRegistry& R, std::string_view Name, int Depth) {
  if (const auto It = R.Resolved.find(Name); It != R.Resolved.end()) return It->second.get();
  const auto It = R.Records.find(Name);
  if (It == R.Records.end()) return nullptr;
  if (It->second.size() > 1)
    throw EFilerError("Class " + std::string(Name) + " is registered twice");
  if (Depth > 100) throw EFilerError("Class " + std::string(Name) + " has a circular parent chain");
  const detail::TClassRecord& Rec = It->second.front();
  auto Info = std::make_unique<TClassInfo>();
  Info->Name = Rec.Name;
  Info->ParentName = Rec.ParentName;
  Info->CreateComponent = Rec.Factory;
  Rec.Describe(*Info);
  if (!Info->ParentName.empty()) {
    Info->Parent = Resolve(R, Info->ParentName, Depth + 1);
    if (!Info->Parent)
      throw EFilerError("Class " + Info->Name + " has an unregistered parent " + Info->ParentName);
    Info->Props = Info->Parent->Props;
  }
  for (const TPropInfo& P : Info->OwnProps) {
    bool Replaced = false;
    for (const TPropInfo*& Inherited : Info->Props)
      if (Inherited->Name == P.Name) {
        Inherited = &P; // a redeclaration (another default, a narrower type) keeps its place
        Replaced = true;
      }
    if (!Replaced) Info->Props.push_back(&P);
  }
  const TClassInfo* Result = Info.get();
  R.Resolved.emplace(Info->Name, std::move(Info));
  return Result;
}

} // namespace

const TClassInfo* FindClassInfo(std::string_view Name) {
  TRegistry& R = Registry();
  std::lock_guard<std::recursive_mutex> Guard(R.Lock);
  return Resolve(R, Name, 0);
}

namespace detail {

bool RegisterClassRecord(TClassRecord Record) {
  TRegistry& R = Registry();
  std::lock_guard<std::recursive_mutex> Guard(R.Lock);
  R.Records[Record.Name].push_back(std::move(Record));
  return true;
}

} // namespace detail

VX_PUBLISHED(TPersistent, TPersistent) {}

VX_PUBLISHED(TComponent, TPersistent) {
  P.String("Name", &TComponent::Name, &TComponent::SetName, "");
  P.Int("Tag", &TComponent::Tag, &TComponent::SetTag, 0);
}

VX_PUBLISHED(TCollectionItem, TPersistent) {}
VX_PUBLISHED(TCollection, TPersistent) {}
VX_PUBLISHED(TOwnedCollection, TCollection) {}
VX_PUBLISHED(TStrings, TPersistent) {}
VX_PUBLISHED(TStringList, TStrings) {}

} // namespace vx
