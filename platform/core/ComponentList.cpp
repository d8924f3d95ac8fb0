#include "platform/core/ComponentList.h"

namespace vx {

// The list hears of destruction through a private component that watches every entry.
class TComponentList::TNexus : public TComponent {
  VX_CLASS_NAME(TComponentListNexus)
public:
  explicit TNexus(TComponentList& List) : FList(List) {}

protected:
  void Notification(TComponent* AComponent, TOperation Operation) override {
    TComponent::Notification(AComponent, Operation);
    if (Operation == opRemove) FList.Forget(AComponent);
  }

private:
  TComponentList& FList;
};

TComponentList::TComponentList(bool AOwnsObjects)
    : FOwnsObjects(AOwnsObjects), FNexus(std::make_unique<TNexus>(*this)) {}

TComponentList::~TComponentList() {
  Clear();
  FNexus.reset();
}

int TComponentList::Add(TComponent* Component) {
  const int Index = FItems.Add(Component);
  if (Component) FNexus->FreeNotification(Component);
  return Index;
}

void TComponentList::Insert(int Index, TComponent* Component) {
  FItems.Insert(Index, Component);
  if (Component) FNexus->FreeNotification(Component);
}

void TComponentList::Unwatch(TComponent* Component) {
  if (Component && FItems.IndexOf(Component) < 0) FNexus->RemoveFreeNotification(Component);
}

void TComponentList::Delete(int Index) {
  TComponent* Component = FItems.Items(Index);
  FItems.Delete(Index);
  Unwatch(Component);
  Removed(Component);
  if (FOwnsObjects && Component && FItems.IndexOf(Component) < 0) delete Component;
}

int TComponentList::Remove(TComponent* Component) {
  const int Index = FItems.IndexOf(Component);
  if (Index >= 0) Delete(Index);
  return Index;
}

TComponent* TComponentList::Extract(TComponent* Component) {
  if (FItems.Remove(Component) < 0) return nullptr;
  Unwatch(Component);
  Removed(Component);
  return Component;
}

void TComponentList::Clear() {
  while (FItems.Count() > 0)
    Delete(FItems.Count() - 1);
}

void TComponentList::Forget(TComponent* Component) {
  // Destroyed elsewhere: drop every entry for it, without destroying it again.
  while (FItems.Remove(Component) >= 0)
    Removed(Component);
}

} // namespace vx
