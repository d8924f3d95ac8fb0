#pragma once
// TComponentList: a list of components that forgets a component the moment it is
// destroyed elsewhere, and that may own (destroy) the components it holds.

#include "platform/core/Component.h"

#include <memory>

namespace vx {

class TComponentList {
public:
  /// With AOwnsObjects the list destroys a component when it is deleted from the list,
  /// when the list is cleared and when the list is destroyed.
  explicit TComponentList(bool AOwnsObjects = true);
  TComponentList(const TComponentList&) = delete;
  TComponentList& operator=(const TComponentList&) = delete;
  virtual ~TComponentList();

  bool OwnsObjects() const { return FOwnsObjects; }
  void SetOwnsObjects(bool Value) { FOwnsObjects = Value; }

  int Count() const { return FItems.Count(); }
  /// The component at Index; EListError outside 0..Count - 1.
  TComponent* Items(int Index) const { return FItems.Items(Index); }
  TComponent* operator[](int Index) const { return Items(Index); }
  int IndexOf(const TComponent* Component) const { return FItems.IndexOf(Component); }

  /// Appends (a component may appear more than once) and returns its index.
  int Add(TComponent* Component);
  void Insert(int Index, TComponent* Component);
  /// Removes the entry at Index, destroying the component when the list owns it.
  void Delete(int Index);
  /// Delete of the first entry equal to Component; returns its former index or -1.
  int Remove(TComponent* Component);
  /// Removes the first entry equal to Component without destroying it; returns it, or
  /// nullptr when absent.
  TComponent* Extract(TComponent* Component);
  /// Removes every entry (last first), destroying them when the list owns them.
  void Clear();
  void Exchange(int Index1, int Index2) { FItems.Exchange(Index1, Index2); }
  void Move(int CurIndex, int NewIndex) { FItems.Move(CurIndex, NewIndex); }

  TList<TComponent>::const_iterator begin() const { return FItems.begin(); }
  TList<TComponent>::const_iterator end() const { return FItems.end(); }

protected:
  /// Called after a component left the list (also when destroyed elsewhere).
  virtual void Removed(TComponent* Component) { (void)Component; }

private:
  class TNexus;
  void Forget(TComponent* Component);
  void Unwatch(TComponent* Component);

  TList<TComponent> FItems;
  bool FOwnsObjects;
  std::unique_ptr<TNexus> FNexus;
};

} // namespace vx
