#include "platform/core/Collection.h"

#include "platform/core/Exceptions.h"
#include "platform/core/UpdateGuard.h"

namespace vx {

// --- TCollectionItem ---

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value) {
  if (Value == FCollection) return;
  if (Value) Value->CheckItemClass(this);
  if (FCollection) FCollection->RemoveItem(this);
  if (Value) Value->InsertItem(this);
}

int TCollectionItem::Index() const {
  return FCollection ? FCollection->FItems.IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int Value) {
  const int Cur = Index();
  if (Cur < 0 || Cur == Value) return;
  FCollection->FItems.Move(Cur, Value);
  Changed(true);
}

void TCollectionItem::SetDisplayName(const std::string&) {
  Changed(false);
}

TPersistent* TCollectionItem::GetOwner() const {
  return FCollection;
}

std::string TCollectionItem::GetDisplayName() const {
  return ClassName();
}

void TCollectionItem::Changed(bool AllItems) {
  if (FCollection && FCollection->FUpdateCount == 0) FCollection->Update(AllItems ? nullptr : this);
}

void TCollectionItem::Free() {
  BeforeDestruction();
  if (FCollection) FCollection->RemoveItem(this);
  delete this;
}

// --- TCollection ---

TCollection::TCollection(TCollectionItemClass AItemClass) : FItemClass(AItemClass) {
  if (!FItemClass.Create || !FItemClass.IsInstance) FItemClass = ItemClassOf<TCollectionItem>();
}

TCollection::~TCollection() {
  FUpdateCount = 1;
  Clear();
}

void TCollection::SetItems(int Index, const TCollectionItem* Value) {
  Items(Index)->Assign(Value);
}

void TCollection::CheckItemClass(const TCollectionItem* Item) const {
  if (!FItemClass.IsInstance(Item))
    throw EListError(std::string("Cannot put a ") + Item->ClassName() + " into a collection of " +
                     FItemClass.Name);
}

TCollectionItem* TCollection::Add() {
  std::unique_ptr<TCollectionItem> Item(FItemClass.Create(this));
  CheckItemClass(Item.get());
  TCollectionItem* Result = Item.release();
  InsertItem(Result);
  return Result;
}

TCollectionItem* TCollection::Insert(int Index) {
  if (Index < 0 || Index > Count()) throw EListError::Index(Index);
  TCollectionItem* Item = Add();
  Item->SetIndex(Index);
  return Item;
}

void TCollection::InsertItem(TCollectionItem* Item) {
  // From here on the collection owns the item, also when a notification below throws.
  FItems.Add(Item);
  Item->FCollection = this;
  Item->FID = FNextID++;
  Notify(Item, cnAdded);
  Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  Notify(Item, cnExtracting);
  // The last item is the common case (Clear, rolling windows drop the first; both are
  // cheap in the list).
  if (FItems.Count() > 0 && FItems.Last() == Item)
    FItems.Delete(FItems.Count() - 1);
  else
    FItems.Remove(Item);
  Item->FCollection = nullptr;
  Changed();
}

void TCollection::Delete(int Index) {
  TCollectionItem* Item = Items(Index);
  Notify(Item, cnDeleting);
  Item->Free();
}

std::unique_ptr<TCollectionItem> TCollection::Extract(int Index) {
  return Extract(Items(Index));
}

std::unique_ptr<TCollectionItem> TCollection::Extract(TCollectionItem* Item) {
  if (!Item || Item->FCollection != this) throw EListError("Item not found in the collection");
  RemoveItem(Item);
  return std::unique_ptr<TCollectionItem>(Item);
}

void TCollection::Clear() {
  if (FItems.Count() == 0) return;
  TUpdateGuard Guard(*this);
  while (FItems.Count() > 0)
    FItems.Last()->Free();
}

TCollectionItem* TCollection::FindItemID(int ID) const {
  for (TCollectionItem* Item : FItems)
    if (Item->FID == ID) return Item;
  return nullptr;
}

void TCollection::BeginUpdate() {
  ++FUpdateCount;
}

void TCollection::EndUpdate() {
  if (FUpdateCount > 0) --FUpdateCount;
  Changed();
}

void TCollection::Changed() {
  if (FUpdateCount == 0) Update(nullptr);
}

void TCollection::Update(TCollectionItem*) {}

void TCollection::Notify(TCollectionItem* Item, TCollectionNotification Action) {
  if (Action == cnAdded)
    Added(Item);
  else if (Action == cnDeleting)
    Deleting(Item);
}

void TCollection::Added(TCollectionItem*) {}

void TCollection::Deleting(TCollectionItem*) {}

void TCollection::Assign(const TPersistent* Source) {
  if (const auto* Src = dynamic_cast<const TCollection*>(Source)) {
    if (Src == this) return;
    TUpdateGuard Guard(*this);
    Clear();
    for (TCollectionItem* Item : *Src)
      Add()->Assign(Item);
    return;
  }
  TPersistent::Assign(Source);
}

} // namespace vx
