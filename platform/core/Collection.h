#pragma once
// TCollection / TOwnedCollection / TCollectionItem: an ordered list of persistent items
// that the collection owns, with the toolkit's notifications and update brackets.
//
// Items are created by the collection (Add, Insert) through its item class, and join it
// once their constructor has finished, so the collection's notifications always see a
// complete item. The exact order of notifications is described in docs/ARCHITECTURE.md.

#include "platform/core/List.h"
#include "platform/core/Object.h"

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <typeinfo>

namespace vx {

class TCollection;
class TCollectionItem;

enum TCollectionNotification : std::uint8_t { cnAdded, cnExtracting, cnDeleting };

/// The class of the items a collection creates: its name, a factory and a type test.
struct TCollectionItemClass {
  const char* Name = nullptr;
  TCollectionItem* (*Create)(TCollection* Collection) = nullptr;
  bool (*IsInstance)(const TCollectionItem* Item) = nullptr;
};

/// The item class for T. T is constructed with the collection it is about to join when
/// it has such a constructor, otherwise with its default constructor.
template <typename T> TCollectionItemClass ItemClassOf();

class TCollectionItem : public TPersistent {
  VX_CLASS_NAME(TCollectionItem)
public:
  TCollectionItem() = default;
  /// Leaves the collection (cnExtracting, then Update(nullptr)). Prefer Free() or the
  /// collection's Delete: when a collection's notifications read fields of a derived item,
  /// the derived destructor calls SetCollection(nullptr) first, while those fields live.
  ~TCollectionItem() override;

  /// The collection holding (and owning) this item, or nullptr.
  TCollection* Collection() const { return FCollection; }
  /// Moves the item: it leaves its collection (which no longer owns it) and joins Value
  /// (which then owns it). With nullptr the caller owns the item. Raises EListError when
  /// Value's item class does not accept this item; the item then stays where it was.
  virtual void SetCollection(TCollection* Value);
  /// Position in the collection, -1 without collection.
  int Index() const;
  /// Moves the item to Value within its collection, then Update(nullptr). EListError
  /// when Value is outside 0..Count - 1.
  virtual void SetIndex(int Value);
  /// A number unique within the collection, given when the item joined.
  int ID() const { return FID; }
  /// The name shown for the item (GetDisplayName).
  std::string DisplayName() const { return GetDisplayName(); }
  /// The base stores nothing and reports the item changed.
  virtual void SetDisplayName(const std::string& Value);
  TPersistent* GetOwner() const override;
  /// Destroys the item the way Delete does (without cnDeleting): BeforeDestruction,
  /// leaving the collection, destruction.
  void Free();

protected:
  /// The class name by default.
  virtual std::string GetDisplayName() const;
  /// Reports a change to the collection (Update(this), or Update(nullptr) for AllItems)
  /// unless an update bracket is open.
  void Changed(bool AllItems);
  /// Runs while the item is still complete and still in its collection, before it is
  /// taken out and destroyed by Delete, Clear, Free or the collection's destructor.
  virtual void BeforeDestruction() {}

private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
  int FID = 0;
};

class TCollection : public TPersistent {
  VX_CLASS_NAME(TCollection)
public:
  explicit TCollection(TCollectionItemClass AItemClass);
  /// Destroys all items (last first) with the update count held at 1. The notifications
  /// reach only the base here: a derived collection that needs its overrides for these
  /// removals calls Clear in its own destructor.
  ~TCollection() override;

  const TCollectionItemClass& ItemClass() const { return FItemClass; }
  int Count() const { return FItems.Count(); }
  /// The item at Index; EListError outside 0..Count - 1.
  TCollectionItem* Items(int Index) const { return FItems.Items(Index); }
  /// Copies Value into the item at Index (Assign).
  void SetItems(int Index, const TCollectionItem* Value);

  /// Creates an item of the item class and appends it: cnAdded (Added), then
  /// Update(nullptr) unless an update bracket is open.
  TCollectionItem* Add();
  /// Add, then moves the new item to Index (0..Count).
  TCollectionItem* Insert(int Index);
  /// cnDeleting (Deleting), then the item leaves (cnExtracting, Update(nullptr)) and is
  /// destroyed.
  void Delete(int Index);
  /// The item leaves without being destroyed (cnExtracting, Update(nullptr)); the caller
  /// owns it.
  std::unique_ptr<TCollectionItem> Extract(int Index);
  std::unique_ptr<TCollectionItem> Extract(TCollectionItem* Item);
  /// Destroys all items, last first, inside an update bracket: one cnExtracting per item,
  /// then a single Update(nullptr).
  void Clear();
  /// The item with that ID, or nullptr.
  TCollectionItem* FindItemID(int ID) const;

  /// Holds back Update until the matching EndUpdate, which sends one Update(nullptr).
  virtual void BeginUpdate();
  virtual void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  /// From another collection: inside an update bracket, Clear, then one Add and Assign
  /// per source item. Other sources go to TPersistent::Assign.
  void Assign(const TPersistent* Source) override;

  TList<TCollectionItem>::const_iterator begin() const { return FItems.begin(); }
  TList<TCollectionItem>::const_iterator end() const { return FItems.end(); }

protected:
  /// A change: Item for one item, nullptr for additions, removals, Clear, moves and the
  /// end of a bracket. Never sent inside a bracket. Does nothing in the base.
  virtual void Update(TCollectionItem* Item);
  /// Item added, being extracted or being deleted; the base calls Added for cnAdded and
  /// Deleting for cnDeleting. Overrides call the base first.
  virtual void Notify(TCollectionItem* Item, TCollectionNotification Action);
  virtual void Added(TCollectionItem* Item);
  virtual void Deleting(TCollectionItem* Item);
  /// Update(nullptr) unless an update bracket is open.
  void Changed();
  /// Takes the item at CurIndex out and puts it back at NewIndex, or swaps two items,
  /// without any notification: for collections that keep their own order (a sorted
  /// collection moving one item, a sort) and report the change themselves. EListError for
  /// an index outside 0..Count - 1.
  void MoveItem(int CurIndex, int NewIndex) { FItems.Move(CurIndex, NewIndex); }
  void ExchangeItems(int Index1, int Index2) { FItems.Exchange(Index1, Index2); }

private:
  friend class TCollectionItem;
  void CheckItemClass(const TCollectionItem* Item) const;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  TList<TCollectionItem> FItems;
  TCollectionItemClass FItemClass;
  int FUpdateCount = 0;
  int FNextID = 0;
};

/// A collection that knows the object owning it (GetOwner).
class TOwnedCollection : public TCollection {
  VX_CLASS_NAME(TOwnedCollection)
public:
  TOwnedCollection(TPersistent* AOwner, TCollectionItemClass AItemClass)
      : TCollection(AItemClass), FOwner(AOwner) {}
  TPersistent* Owner() const { return FOwner; }
  TPersistent* GetOwner() const override { return FOwner; }

private:
  TPersistent* FOwner;
};

template <typename T> TCollectionItemClass ItemClassOf() {
  static_assert(std::is_base_of_v<TCollectionItem, T>,
                "an item class derives from TCollectionItem");
  TCollectionItemClass C;
  C.Name = T::StaticClassName();
  C.Create = [](TCollection* Collection) -> TCollectionItem* {
    if constexpr (std::is_constructible_v<T, TCollection*>) {
      return new T(Collection);
    } else {
      (void)Collection;
      return new T();
    }
  };
  C.IsInstance = [](const TCollectionItem* Item) {
    // Add checks every item it creates: the exact class is the common case and a type_info
    // comparison is far cheaper than a dynamic_cast.
    return typeid(*Item) == typeid(T) || dynamic_cast<const T*>(Item) != nullptr;
  };
  return C;
}

} // namespace vx
