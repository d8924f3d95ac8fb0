#pragma once
// TGCollection and TGCollectionItem: the owned collection that every value collection of
// the chart library builds on, and collection items that can link with items of other
// collections so that each side learns when the other is destroyed.

#include "platform/core/Collection.h"
#include "platform/core/List.h"
#include "platform/core/Published.h"

#include <cstdint>

namespace vx {

/// The order a sorting collection keeps: smallest key first, or largest key first.
enum TSortOrder : std::uint8_t { soAscending, soDescending };
VX_ENUM_NAMES(TSortOrder, "soAscending", "soDescending")

/// An owned collection that can copy itself into a list of strings.
class TGCollection : public TOwnedCollection {
  VX_CLASS_NAME(TGCollection)
public:
  using TOwnedCollection::TOwnedCollection;

  /// A TStrings destination gets, inside its update bracket, its lines replaced by one
  /// line per item in index order: the item's display name, with the item as the line's
  /// object. Any other destination raises EConvertError.
  void AssignTo(TPersistent* Dest) const override;
};

/// A collection item with mutual links ("free notifications") to other items: when either
/// side is destroyed, the other hears of it through Notification before the dying item
/// leaves its collection.
///
/// Links are symmetric and never own the other side. They are kept outside the item (most
/// items never link, and a chart value must stay small), so an item costs one byte for them.
class TGCollectionItem : public TCollectionItem {
  VX_CLASS_NAME(TGCollectionItem)
public:
  TGCollectionItem() = default;
  /// Built for Collection, which it joins once constructed (through the collection's Add).
  explicit TGCollectionItem(TCollection*) {}
  /// Tells the linked items that are left (when not done yet), last linked first.
  ~TGCollectionItem() override;

  /// Called on this item when the linked Item is being destroyed. The default removes the
  /// link on both sides; an override drops its own reference to Item and calls the base
  /// first. Item may be only partly alive: compare it, never cast it.
  virtual void Notification(TGCollectionItem* Item);
  /// Links this item and Item with each other; linking twice keeps one link. Linking an
  /// item with itself, with nullptr or with an item being destroyed does nothing.
  virtual void FreeNotification(TGCollectionItem* Item);
  /// Removes the link between this item and Item on both sides; no link, no change.
  virtual void RemoveFreeNotification(TGCollectionItem* Item);

  /// The items linked with this one in the order they were linked, or nullptr while there
  /// is none (the list exists only while it has entries).
  const TList<TGCollectionItem>* FreeNotifies() const;

protected:
  /// Tells the linked items, while this item is complete and still in its collection.
  void BeforeDestruction() override;
  /// For destructors of derived items whose collection reads their fields when they leave
  /// (items destroyed with plain delete): tells the linked items, then leaves the
  /// collection, while the derived part still exists.
  void ReleaseLinksAndCollection();

private:
  void NotifyLinkedItems();
  void AddLink(TGCollectionItem* Item);
  void RemoveLink(TGCollectionItem* Item);

  enum : std::uint8_t { lfLinked = 1, lfDestroying = 2 };
  std::uint8_t FLinkFlags = 0;
};

} // namespace vx
