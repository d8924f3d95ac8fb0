#include "foundation/Collection.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace vx {
namespace {

using TLog = std::vector<std::string>;

// An item that keeps one reference to another item, as a graph link keeps its value.
class TLinkItem : public TGCollectionItem {
  VX_CLASS_NAME(TLinkItem)
public:
  TLinkItem() = default;
  explicit TLinkItem(TCollection* C) : TGCollectionItem(C) {}
  std::string Name;
  TLog* Log = nullptr;
  TGCollectionItem* Ref = nullptr;
  bool ForgetBaseCall = false;

  void SetRef(TGCollectionItem* Value) {
    if (Ref) RemoveFreeNotification(Ref);
    Ref = Value;
    if (Ref) FreeNotification(Ref);
  }
  void Notification(TGCollectionItem* Item) override {
    if (!ForgetBaseCall) TGCollectionItem::Notification(Item);
    if (Log) Log->push_back(Name + " hears of " + NameOf(Item));
    if (Item == Ref) Ref = nullptr;
  }
  int LinkCount() const { return FreeNotifies() ? FreeNotifies()->Count() : 0; }
  bool LinkedWith(const TGCollectionItem* Item) const {
    return FreeNotifies() && FreeNotifies()->IndexOf(Item) >= 0;
  }

protected:
  std::string GetDisplayName() const override { return Name; }

private:
  std::string NameOf(const TGCollectionItem* Item) const {
    // The dying item is only a TGCollectionItem by now: identify it by address.
    return Item == Ref ? "ref" : "other";
  }
};

class TLinkCollection : public TGCollection {
  VX_CLASS_NAME(TLinkCollection)
public:
  TLinkCollection() : TGCollection(nullptr, ItemClassOf<TLinkItem>()) {}
  TLinkItem* AddItem(const std::string& Name, TLog* Log = nullptr) {
    auto* I = static_cast<TLinkItem*>(Add());
    I->Name = Name;
    I->Log = Log;
    return I;
  }
  TLinkItem* Item(int I) const { return static_cast<TLinkItem*>(Items(I)); }
};

TEST(GCollectionItem, LinksAreSymmetricAndKeptOnce) {
  TLinkItem A, B;
  A.FreeNotification(&B);
  A.FreeNotification(&B);
  B.FreeNotification(&A);
  EXPECT_EQ(A.LinkCount(), 1);
  EXPECT_EQ(B.LinkCount(), 1);
  EXPECT_TRUE(B.LinkedWith(&A));
  A.FreeNotification(&A);
  A.FreeNotification(nullptr);
  EXPECT_EQ(A.LinkCount(), 1);
}

TEST(GCollectionItem, ListExistsOnlyWhileItHasEntries) {
  TLinkItem A, B, C;
  EXPECT_EQ(A.FreeNotifies(), nullptr);
  A.RemoveFreeNotification(&B); // no link: nothing happens
  EXPECT_EQ(A.FreeNotifies(), nullptr);
  A.FreeNotification(&B);
  A.FreeNotification(&C);
  A.RemoveFreeNotification(&C);
  EXPECT_EQ(A.LinkCount(), 1);
  EXPECT_EQ(C.FreeNotifies(), nullptr);
  B.RemoveFreeNotification(&A); // from either side
  EXPECT_EQ(A.FreeNotifies(), nullptr);
  EXPECT_EQ(B.FreeNotifies(), nullptr);
  A.FreeNotification(&B);
  ASSERT_NE(A.FreeNotifies(), nullptr);
  EXPECT_EQ(A.FreeNotifies()->First(), &B);
}

TEST(GCollectionItem, DestructionTellsLinkedItemsLastLinkedFirst) {
  TLog Log;
  TLinkCollection Items;
  TLinkItem* Dying = Items.AddItem("dying");
  for (const char* Name : {"x", "y", "z"})
    Items.AddItem(Name, &Log)->SetRef(Dying);
  Items.Delete(0);
  EXPECT_EQ(Log, (TLog{"z hears of ref", "y hears of ref", "x hears of ref"}));
  for (int I = 0; I < Items.Count(); ++I) {
    EXPECT_EQ(Items.Item(I)->Ref, nullptr);
    EXPECT_EQ(Items.Item(I)->FreeNotifies(), nullptr);
  }
}

TEST(GCollectionItem, LinkedItemsHearBeforeTheDyingItemLeavesItsCollection) {
  TLinkCollection Items;
  TLinkItem* Dying = Items.AddItem("dying");
  struct TWatcher : TLinkItem {
    int CountSeen = -1;
    TCollection* Watched = nullptr;
    void Notification(TGCollectionItem* Item) override {
      TLinkItem::Notification(Item);
      CountSeen = Watched->Count();
    }
  } Watcher;
  Watcher.Watched = &Items;
  Watcher.SetRef(Dying);
  delete Dying; // plain delete, not through the collection
  EXPECT_EQ(Watcher.CountSeen, 1);
  EXPECT_EQ(Watcher.Ref, nullptr);
  EXPECT_EQ(Items.Count(), 0);
}

TEST(GCollectionItem, AnOverrideThatForgetsTheBaseCallCannotHangDestruction) {
  auto Dying = std::make_unique<TLinkItem>();
  TLinkItem Careless;
  Careless.ForgetBaseCall = true;
  Careless.SetRef(Dying.get());
  Dying.reset();
  EXPECT_EQ(Careless.Ref, nullptr);
  EXPECT_EQ(Careless.FreeNotifies(), nullptr);
}

TEST(GCollectionItem, ADyingItemTakesNoNewLinks) {
  struct TRelinker : TLinkItem {
    void Notification(TGCollectionItem* Item) override {
      TLinkItem::Notification(Item);
      FreeNotification(Item); // would leave a dangling link
    }
  } Relinker;
  {
    TLinkItem Dying;
    Relinker.SetRef(&Dying);
  }
  EXPECT_EQ(Relinker.FreeNotifies(), nullptr);
}

// Four items in two collections, every pair linked, destroyed in every order and by every
// means; the sanitizer build turns a dangling link into a failure.
TEST(GCollectionItem, LinkedItemsDieInAnyOrder) {
  std::vector<int> Order{0, 1, 2, 3};
  int Round = 0;
  do {
    auto First = std::make_unique<TLinkCollection>();
    auto Second = std::make_unique<TLinkCollection>();
    std::vector<TLinkItem*> Items{First->AddItem("a"), First->AddItem("b"), Second->AddItem("c"),
                                  Second->AddItem("d")};
    for (TLinkItem* I : Items)
      for (TLinkItem* J : Items)
        I->FreeNotification(J);
    for (TLinkItem* I : Items)
      ASSERT_EQ(I->LinkCount(), 3);
    for (int Step = 0; Step < 3; ++Step) {
      TLinkItem* Victim = Items[Order[Step]];
      switch ((Round + Step) % 3) {
      case 0:
        Victim->Free();
        break;
      case 1:
        delete Victim;
        break;
      case 2:
        Victim->Collection()->Delete(Victim->Index());
        break;
      }
      for (int Later = Step + 1; Later < 4; ++Later)
        ASSERT_EQ(Items[Order[Later]]->LinkCount(), 2 - Step);
    }
    // The last one goes down with its collection.
    (Round % 2 ? First : Second).reset();
    First.reset();
    Second.reset();
    ++Round;
  } while (std::next_permutation(Order.begin(), Order.end()));
  EXPECT_EQ(Round, 24);
}

TEST(GCollection, AssignToStringsListsEveryItem) {
  TLinkCollection Items;
  TStringList Lines;
  Lines.Add("old");
  Items.AssignTo(&Lines);
  EXPECT_EQ(Lines.Count(), 0);
  Items.AddItem("a");
  Items.AddItem("b");
  Items.AddItem("c");
  int Changes = 0;
  Lines.SetOnChange([&](TObject*) { ++Changes; });
  Lines.Assign(&Items);
  ASSERT_EQ(Lines.Count(), 3);
  EXPECT_EQ(Changes, 1); // one bracket around the whole copy
  for (int I = 0; I < 3; ++I) {
    EXPECT_EQ(Lines[I], Items.Item(I)->Name);
    EXPECT_EQ(Lines.Objects(I), Items.Item(I));
  }
}

TEST(GCollection, AssignToAnotherCollectionIsAConversionError) {
  TLinkCollection Items, Other;
  Items.AddItem("a");
  try {
    Items.AssignTo(&Other);
    FAIL() << "no exception";
  } catch (const EConvertError& E) {
    EXPECT_STREQ(E.what(), "Cannot assign a TLinkCollection to a TLinkCollection");
  }
}

} // namespace
} // namespace vx
