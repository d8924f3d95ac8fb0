#include "foundation/Collection.h"

#include "platform/core/Strings.h"
#include "platform/core/UpdateGuard.h"

#include <memory>
#include <mutex>
#include <unordered_map>

namespace vx {

VX_PUBLISHED(TGCollection, TOwnedCollection) {}
VX_PUBLISHED(TGCollectionItem, TCollectionItem) {}

// --- TGCollection ---

void TGCollection::AssignTo(TPersistent* Dest) const {
  if (auto* Strings = dynamic_cast<TStrings*>(Dest)) {
    TUpdateGuard Guard(*Strings);
    Strings->Clear();
    for (TCollectionItem* Item : *this)
      Strings->AddObject(Item->DisplayName(), Item);
    return;
  }
  TOwnedCollection::AssignTo(Dest);
}

// --- link lists ---
//
// The link list of an item lives in one table for the whole program, keyed by the item,
// and exists only while it has entries; the item's lfLinked flag says whether it has one,
// so unlinked items (nearly all) never touch the table. The lock guards the table itself:
// a list is only touched through the items it belongs to, and the lists are heap objects
// that stay put while the table rehashes.

namespace {

using TLinkList = TList<TGCollectionItem>;

struct TLinkTable {
  std::mutex Lock;
  std::unordered_map<const TGCollectionItem*, std::unique_ptr<TLinkList>> Lists;
};

TLinkTable& Links() {
  // Never destroyed: items with static storage may still unlink during program exit.
  static TLinkTable* const Table = new TLinkTable;
  return *Table;
}

TLinkList* FindList(const TGCollectionItem* Item) {
  TLinkTable& T = Links();
  std::lock_guard<std::mutex> Guard(T.Lock);
  const auto It = T.Lists.find(Item);
  return It == T.Lists.end() ? nullptr : It->second.get();
}

} // namespace

const TList<TGCollectionItem>* TGCollectionItem::FreeNotifies() const {
  return (FLinkFlags & lfLinked) ? FindList(this) : nullptr;
}

void TGCollectionItem::AddLink(TGCollectionItem* Item) {
  TLinkTable& T = Links();
  std::lock_guard<std::mutex> Guard(T.Lock);
  std::unique_ptr<TLinkList>& List = T.Lists[this];
  if (!List) List = std::make_unique<TLinkList>();
  List->Add(Item);
  FLinkFlags |= lfLinked;
}

void TGCollectionItem::RemoveLink(TGCollectionItem* Item) {
  if (!(FLinkFlags & lfLinked)) return;
  TLinkTable& T = Links();
  std::lock_guard<std::mutex> Guard(T.Lock);
  const auto It = T.Lists.find(this);
  if (It == T.Lists.end()) return;
  It->second->Remove(Item);
  if (It->second->Empty()) {
    T.Lists.erase(It);
    FLinkFlags &= ~lfLinked;
  }
}

// --- TGCollectionItem ---

TGCollectionItem::~TGCollectionItem() {
  NotifyLinkedItems();
}

void TGCollectionItem::Notification(TGCollectionItem* Item) {
  if (!(FLinkFlags & lfLinked)) return;
  RemoveFreeNotification(Item);
  if (Item) Item->RemoveFreeNotification(this);
}

void TGCollectionItem::FreeNotification(TGCollectionItem* Item) {
  if (!Item || Item == this) return;
  // An item that is telling its links goodbye takes no new ones: they would dangle.
  if ((FLinkFlags | Item->FLinkFlags) & lfDestroying) return;
  if (const TLinkList* List = FreeNotifies(); List && List->IndexOf(Item) >= 0) return;
  AddLink(Item);
  Item->FreeNotification(this); // stops on the other side once it finds this item
}

void TGCollectionItem::RemoveFreeNotification(TGCollectionItem* Item) {
  if (!Item) return;
  RemoveLink(Item);
  Item->RemoveLink(this);
}

void TGCollectionItem::BeforeDestruction() {
  NotifyLinkedItems();
}

void TGCollectionItem::ReleaseLinksAndCollection() {
  NotifyLinkedItems();
  SetCollection(nullptr);
}

void TGCollectionItem::NotifyLinkedItems() {
  FLinkFlags |= lfDestroying;
  // Last linked first. Each Notification removes its entry; should an override forget
  // the base call, the link is removed here so the walk always ends.
  while (const TLinkList* List = FreeNotifies()) {
    TGCollectionItem* Other = List->Last();
    Other->Notification(this);
    if ((List = FreeNotifies()) && List->IndexOf(Other) >= 0) {
      RemoveLink(Other);
      Other->RemoveLink(this);
    }
  }
}

} // namespace vx
