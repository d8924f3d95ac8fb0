#include "platform/core/Component.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TextCompare.h"

namespace vx {

namespace {

bool IsIdentChar(char C, bool First) {
  const bool Alpha = (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z') || C == '_';
  return First ? Alpha : Alpha || (C >= '0' && C <= '9');
}

bool IsValidIdent(const std::string& Name) {
  if (Name.empty()) return false;
  for (std::size_t I = 0; I < Name.size(); ++I)
    if (!IsIdentChar(Name[I], I == 0)) return false;
  return true;
}

} // namespace

bool& TComponent::LoadingConstruction() {
  thread_local bool Flag = false;
  return Flag;
}

TComponent::TComponent(TComponent* AOwner) {
  if (LoadingConstruction()) {
    LoadingConstruction() = false;
    FComponentState.Include(csLoading);
  }
  if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
  // Order: everybody watching hears first, then what we own goes, then we leave our
  // owner, whose notification reaches our former siblings.
  Destroying();
  SendRemoveNotifications();
  DestroyComponents();
  if (FOwner) FOwner->RemoveComponent(this);
}

void TComponent::Destroying() {
  if (FComponentState.Contains(csDestroying)) return;
  FComponentState.Include(csDestroying);
  for (TComponent* C : FComponents)
    C->Destroying();
}

void TComponent::DestroyComponents() {
  // Each owned component leaves this list from its own destructor.
  while (FComponents.Count() > 0)
    delete FComponents.Last();
}

void TComponent::SetName(const std::string& NewName) {
  if (FName == NewName) return;
  if (!NewName.empty() && !IsValidIdent(NewName))
    throw EComponentError("'" + NewName + "' is not a valid component name");
  if (FOwner) FOwner->ValidateRename(this, FName, NewName);
  FName = NewName;
}

void TComponent::ValidateRename(TComponent* AComponent, const std::string& CurName,
                                const std::string& NewName) {
  if (NewName.empty() || SameText(CurName, NewName)) return;
  TComponent* Other = FindComponent(NewName);
  if (Other && Other != AComponent)
    throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::SetDesigning(bool Value) {
  if (Value)
    FComponentState.Include(csDesigning);
  else
    FComponentState.Exclude(csDesigning);
  for (TComponent* C : FComponents)
    C->SetDesigning(Value);
}

int TComponent::ComponentIndex() const {
  return FOwner ? FOwner->FComponents.IndexOf(this) : -1;
}

TComponent* TComponent::FindComponent(const std::string& AName) const {
  if (AName.empty()) return nullptr;
  for (TComponent* C : FComponents)
    if (SameText(C->FName, AName)) return C;
  return nullptr;
}

void TComponent::InsertComponent(TComponent* AComponent) {
  if (!AComponent) throw EInvalidOperation("Cannot insert a nil component");
  if (AComponent->FOwner == this) return;
  for (const TComponent* O = this; O; O = O->FOwner)
    if (O == AComponent)
      throw EComponentError("A component cannot own itself or one of its owners");
  if (FComponentState.Contains(csDestroying))
    throw EInvalidOperation("Cannot insert a component into a component being destroyed");
  ValidateRename(AComponent, "", AComponent->FName);
  if (AComponent->FOwner) AComponent->FOwner->RemoveComponent(AComponent);
  FComponents.Add(AComponent);
  AComponent->FOwner = this;
  if (FComponentState.Contains(csDesigning)) AComponent->SetDesigning(true);
  Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
  if (!AComponent || AComponent->FOwner != this) return;
  Notification(AComponent, opRemove);
  FComponents.Remove(AComponent);
  AComponent->FOwner = nullptr;
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
  // Owned components hear it too. A handler may free components, so the index is
  // re-clamped after every call instead of iterating over a snapshot.
  int I = FComponents.Count() - 1;
  while (I >= 0) {
    FComponents.Items(I)->Notification(AComponent, Operation);
    --I;
    if (I >= FComponents.Count()) I = FComponents.Count() - 1;
  }
}

void TComponent::Loaded() {
  FComponentState.Exclude(csLoading);
}

void TComponent::FreeNotification(TComponent* AComponent) {
  if (!AComponent || AComponent == this) return;
  // A link to a component whose destructor already ran its notifications would dangle.
  if (FComponentState.Contains(csDestroying) || AComponent->FComponentState.Contains(csDestroying))
    return;
  if (FFreeNotifies.IndexOf(AComponent) < 0) FFreeNotifies.Add(AComponent);
  if (AComponent->FFreeNotifies.IndexOf(this) < 0) AComponent->FFreeNotifies.Add(this);
  FComponentState.Include(csFreeNotification);
  AComponent->FComponentState.Include(csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
  if (!AComponent) return;
  RemoveNotification(AComponent);
  AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent) {
  FFreeNotifies.Remove(AComponent);
  if (FFreeNotifies.Empty()) FComponentState.Exclude(csFreeNotification);
}

void TComponent::SendRemoveNotifications() {
  // Unlink before telling, so a Notification override that skips the base cannot make
  // this loop spin, and the receiver can no longer reach this component by its list.
  while (!FFreeNotifies.Empty()) {
    TComponent* Other = FFreeNotifies.Last();
    RemoveFreeNotification(Other);
    Other->Notification(this, opRemove);
  }
}

} // namespace vx
