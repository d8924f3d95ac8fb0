#pragma once
// TComponent: a named persistent object that may own other components and that tells
// the components watching it when it goes away.
//
// Ownership: a component created with an owner is destroyed by that owner (create it
// with `new T(Owner)` and never delete it yourself unless you want it gone earlier,
// which is safe: it leaves its owner). A component without an owner belongs to its
// creator (a std::unique_ptr or a local).

#include "platform/core/List.h"
#include "platform/core/Object.h"
#include "platform/core/Set.h"

#include <cstdint>
#include <string>

namespace vx {

enum TComponentStateFlag : std::uint8_t {
  csLoading,         ///< being read from a stored description; cleared by Loaded
  csReading,         ///< its properties are being read
  csWriting,         ///< being written to a stored description
  csDestroying,      ///< its destructor has started
  csDesigning,       ///< edited in a designer rather than running in a program
  csFreeNotification ///< some other component watches its destruction
};
using TComponentState = TSet<TComponentStateFlag>;

enum TOperation : std::uint8_t { opInsert, opRemove };

class TReader;

class TComponent : public TPersistent {
  VX_CLASS_NAME(TComponent)
public:
  /// Creates the component; with an owner it joins the owner's Components, takes the
  /// owner's csDesigning and is destroyed by the owner.
  explicit TComponent(TComponent* AOwner = nullptr);
  /// Sets csDestroying, tells every watching component (Notification opRemove), destroys
  /// the owned components (last first) and leaves the owner.
  ~TComponent() override;

  TComponent* Owner() const { return FOwner; }
  TPersistent* GetOwner() const override { return FOwner; }

  /// The name: empty or an identifier, unique (ignoring case) among the owner's components.
  const std::string& Name() const { return FName; }
  /// Raises EComponentError for a name that is not an identifier or that a sibling has.
  virtual void SetName(const std::string& NewName);

  /// A free number for the program; wide enough to hold a pointer.
  std::intptr_t Tag() const { return FTag; }
  void SetTag(std::intptr_t Value) { FTag = Value; }

  TComponentState ComponentState() const { return FComponentState; }
  /// Switches csDesigning on this component and every component it owns.
  void SetDesigning(bool Value);

  /// Owned components in the order they joined.
  int ComponentCount() const { return FComponents.Count(); }
  /// The owned component at Index; EListError outside 0..ComponentCount - 1.
  TComponent* Components(int Index) const { return FComponents.Items(Index); }
  /// Index of this component in its owner's Components, -1 without owner.
  int ComponentIndex() const;
  /// The owned component with that name (ignoring case), or nullptr.
  TComponent* FindComponent(const std::string& AName) const;

  /// Makes this component the owner of AComponent (taking it from its former owner) and
  /// sends Notification(AComponent, opInsert). Raises EComponentError on a name clash.
  void InsertComponent(TComponent* AComponent);
  /// Gives up ownership of AComponent after Notification(AComponent, opRemove); the
  /// caller then owns it.
  void RemoveComponent(TComponent* AComponent);
  /// Destroys every owned component now, last first. A class whose own fields refer to
  /// its owned components calls this at the start of its destructor.
  void DestroyComponents();
  /// Marks this component and its owned components csDestroying (idempotent).
  void Destroying();

  /// Links this component and AComponent both ways: each hears (Notification opRemove)
  /// when the other is destroyed. Linking twice keeps one link.
  void FreeNotification(TComponent* AComponent);
  /// Removes the link both ways; nothing happens without a link.
  void RemoveFreeNotification(TComponent* AComponent);

protected:
  /// Told when AComponent is inserted into or removed from this component's owned
  /// components (passed on to every owned component), or when a linked component is
  /// destroyed. Overrides clear their references to AComponent on opRemove (compare
  /// pointers: the component may already be partly destroyed) and call the base.
  virtual void Notification(TComponent* AComponent, TOperation Operation);
  /// Called by the reader after the whole description is read and references resolved;
  /// the base clears csLoading. Overrides call the base first.
  virtual void Loaded();
  /// Checks a new name; the base enforces the identifier and uniqueness rules.
  virtual void ValidateRename(TComponent* AComponent, const std::string& CurName,
                              const std::string& NewName);

private:
  friend class TReader;
  /// Set by the reader around the creation of a component it reads: the next component
  /// constructed on this thread starts with csLoading, so its constructor already knows.
  static bool& LoadingConstruction();
  void RemoveNotification(TComponent* AComponent);
  void SendRemoveNotifications();

  TComponent* FOwner = nullptr;
  std::string FName;
  std::intptr_t FTag = 0;
  TComponentState FComponentState;
  TList<TComponent> FComponents;
  TList<TComponent> FFreeNotifies;
};

} // namespace vx
