#include "platform/core/Collection.h"
#include "platform/core/Exceptions.h"
#include "platform/core/UpdateGuard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using TLog = std::vector<std::string>;

class TLogCollection;

class TNote : public TCollectionItem {
  VX_CLASS_NAME(TNote)
public:
  explicit TNote(TCollection* Collection);
  ~TNote() override;
  std::string Text;
  TLog* Log = nullptr;
  bool SawCollectionInConstructor = false;
  void Touch() { Changed(false); }
  void Assign(const TPersistent* Source) override {
    if (const auto* N = dynamic_cast<const TNote*>(Source)) {
      Text = N->Text;
      Changed(false);
      return;
    }
    TCollectionItem::Assign(Source);
  }

protected:
  void BeforeDestruction() override {
    if (Log) Log->push_back("before-destruction " + Text);
  }
};

class TLogCollection : public TOwnedCollection {
  VX_CLASS_NAME(TLogCollection)
public:
  explicit TLogCollection(TLog& L) : TOwnedCollection(nullptr, ItemClassOf<TNote>()), Log(L) {}
  TNote* AddNote(const std::string& Text) {
    auto* N = static_cast<TNote*>(Add());
    N->Text = Text;
    return N;
  }
  TNote* Note(int I) const { return static_cast<TNote*>(Items(I)); }
  using TCollection::ExchangeItems;
  using TCollection::MoveItem;
  TLog& Log;

protected:
  void Update(TCollectionItem* Item) override {
    Log.push_back(Item ? "update " + static_cast<TNote*>(Item)->Text : "update nil");
  }
  void Notify(TCollectionItem* Item, TCollectionNotification Action) override {
    static const char* Names[] = {"added", "extracting", "deleting"};
    Log.push_back(std::string("notify ") + Names[Action] + " " + static_cast<TNote*>(Item)->Text);
    TOwnedCollection::Notify(Item, Action);
  }
  void Added(TCollectionItem* Item) override {
    Log.push_back("added " + static_cast<TNote*>(Item)->Text);
  }
  void Deleting(TCollectionItem* Item) override {
    Log.push_back("deleting " + static_cast<TNote*>(Item)->Text);
  }
};

TNote::TNote(TCollection* Collection) {
  // The item is built with the collection it is about to join, before joining it.
  SawCollectionInConstructor = Collection != nullptr && this->Collection() == nullptr;
  if (auto* C = dynamic_cast<TLogCollection*>(Collection)) Log = &C->Log;
}

TNote::~TNote() {
  // The collection's notifications read TNote fields: leave while they still exist.
  SetCollection(nullptr);
  if (Log) Log->push_back("destroy " + Text);
}

class CollectionOrder : public ::testing::Test {
protected:
  TLog Log;
  TLogCollection C{Log};
  void Fill(std::initializer_list<const char*> Texts) {
    for (const char* T : Texts)
      C.AddNote(T);
    Log.clear();
  }
};

TEST_F(CollectionOrder, AddNotifiesThenUpdatesWithNoItem) {
  TNote* N = C.AddNote("");
  EXPECT_TRUE(N->SawCollectionInConstructor);
  EXPECT_EQ(Log, (TLog{"notify added ", "added ", "update nil"}));
  EXPECT_EQ(N->Collection(), &C);
  EXPECT_EQ(N->DisplayName(), "TNote");
}

TEST_F(CollectionOrder, DeleteSendsDeletingThenExtractingThenUpdate) {
  Fill({"a", "b"});
  C.Delete(0);
  EXPECT_EQ(Log, (TLog{"notify deleting a", "deleting a", "before-destruction a",
                       "notify extracting a", "update nil", "destroy a"}));
  EXPECT_EQ(C.Note(0)->Text, "b");
}

TEST_F(CollectionOrder, ExtractKeepsTheItemAlive) {
  Fill({"a", "b"});
  std::unique_ptr<TCollectionItem> Item = C.Extract(1);
  EXPECT_EQ(Log, (TLog{"notify extracting b", "update nil"}));
  EXPECT_EQ(Item->Collection(), nullptr);
  EXPECT_EQ(C.Count(), 1);
  Log.clear();
  Item->SetCollection(&C); // the collection owns it again
  Item.release();
  EXPECT_EQ(Log, (TLog{"notify added b", "added b", "update nil"}));
  EXPECT_EQ(C.Count(), 2);
}

TEST_F(CollectionOrder, ClearExtractsLastFirstAndUpdatesOnce) {
  Fill({"a", "b"});
  C.Clear();
  EXPECT_EQ(Log, (TLog{"before-destruction b", "notify extracting b", "destroy b",
                       "before-destruction a", "notify extracting a", "destroy a", "update nil"}));
  Log.clear();
  C.Clear();
  EXPECT_TRUE(Log.empty());
}

TEST_F(CollectionOrder, BracketHoldsBackUpdatesUntilTheOutermostEnd) {
  Fill({"a"});
  {
    TUpdateGuard Outer(C);
    TUpdateGuard Inner(C);
    C.AddNote("b");
    C.Note(0)->Touch();
    C.Delete(0);
  }
  TLog Updates;
  for (const auto& L : Log)
    if (L.rfind("update", 0) == 0) Updates.push_back(L);
  EXPECT_EQ(Updates, (TLog{"update nil"}));
  EXPECT_EQ(C.UpdateCount(), 0);
}

TEST_F(CollectionOrder, GuardEndsTheBracketWhenAnExceptionPasses) {
  try {
    TUpdateGuard Guard(C);
    C.AddNote("a");
    throw std::runtime_error("boom");
  } catch (const std::runtime_error&) {
  }
  EXPECT_EQ(C.UpdateCount(), 0);
  EXPECT_EQ(Log.back(), "update nil");
}

TEST_F(CollectionOrder, ItemChangeUpdatesThatItem) {
  Fill({"a"});
  C.Note(0)->Touch();
  C.Note(0)->SetDisplayName("x");
  EXPECT_EQ(Log, (TLog{"update a", "update a"}));
}

TEST_F(CollectionOrder, SettingIndexMovesTheItem) {
  Fill({"a", "b", "c"});
  C.Note(0)->SetIndex(2);
  EXPECT_EQ(C.Note(0)->Text, "b");
  EXPECT_EQ(C.Note(2)->Text, "a");
  EXPECT_EQ(C.Note(2)->Index(), 2);
  EXPECT_EQ(Log, (TLog{"update nil"}));
  EXPECT_THROW(C.Note(0)->SetIndex(3), EListError);
  TNote* Inserted = static_cast<TNote*>(C.Insert(1));
  EXPECT_EQ(Inserted->Index(), 1);
  EXPECT_THROW(C.Insert(5), EListError);
}

TEST_F(CollectionOrder, SilentMoveAndExchangeReorderWithoutNotifying) {
  Fill({"a", "b", "c"});
  C.MoveItem(0, 2);
  C.ExchangeItems(0, 1);
  EXPECT_EQ(C.Note(0)->Text, "c");
  EXPECT_EQ(C.Note(1)->Text, "b");
  EXPECT_EQ(C.Note(2)->Text, "a");
  EXPECT_TRUE(Log.empty());
  EXPECT_THROW(C.MoveItem(0, 3), EListError);
  EXPECT_THROW(C.ExchangeItems(-1, 0), EListError);
}

TEST_F(CollectionOrder, SettingCollectionMovesBetweenCollections) {
  Fill({"a"});
  TLog OtherLog;
  TLogCollection Other(OtherLog);
  C.Note(0)->SetCollection(&Other);
  EXPECT_EQ(Log, (TLog{"notify extracting a", "update nil"}));
  EXPECT_EQ(OtherLog, (TLog{"notify added a", "added a", "update nil"}));
  EXPECT_EQ(Other.Count(), 1);
  EXPECT_EQ(C.Count(), 0);
}

TEST_F(CollectionOrder, DestroyingAnItemDirectlyRemovesIt) {
  Fill({"a", "b"});
  delete C.Note(0);
  EXPECT_EQ(C.Count(), 1);
  EXPECT_EQ(Log, (TLog{"notify extracting a", "update nil", "destroy a"}));
}

TEST(Collection, IndexErrorsAndItemClassChecks) {
  TCollection C(ItemClassOf<TCollectionItem>());
  try {
    C.Items(0);
    FAIL();
  } catch (const EListError& E) {
    EXPECT_STREQ(E.what(), "List index out of bounds (0)");
  }
  EXPECT_THROW(C.Delete(-1), EListError);
  EXPECT_THROW(C.Extract(3), EListError);

  TLog Log;
  TLogCollection Notes(Log);
  auto Plain = std::make_unique<TCollectionItem>();
  EXPECT_THROW(Plain->SetCollection(&Notes), EListError);
  EXPECT_EQ(Plain->Collection(), nullptr);
  EXPECT_THROW(C.Add()->SetCollection(&Notes), EListError);
  EXPECT_EQ(C.Count(), 1) << "a refused move leaves the item where it was";
  EXPECT_EQ(C.Items(0)->ID(), 0);
  EXPECT_EQ(C.Add()->ID(), 1);
  EXPECT_EQ(C.FindItemID(1), C.Items(1));
}

TEST(Collection, AssignCopiesItemsAndOwnedCollectionKnowsItsOwner) {
  TLog Log;
  TLogCollection A(Log), B(Log);
  A.AddNote("x");
  A.AddNote("y");
  B.AddNote("old");
  B.Assign(&A);
  ASSERT_EQ(B.Count(), 2);
  EXPECT_EQ(B.Note(1)->Text, "y");
  TPersistent Owner;
  TOwnedCollection Owned(&Owner, ItemClassOf<TCollectionItem>());
  EXPECT_EQ(Owned.GetOwner(), &Owner);
  EXPECT_EQ(Owned.Add()->GetOwner(), &Owned);
  EXPECT_THROW(Owned.Assign(&Owner), EConvertError);
}

} // namespace
} // namespace vx
