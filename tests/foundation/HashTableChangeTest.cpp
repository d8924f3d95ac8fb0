// Change notification, update brackets, the owner listener, and copying tables.

#include "foundation/HashTable.h"

#include "foundation/HashTableEnumerator.h"
#include "foundation/HashTableSupport.h"
#include "platform/core/Strings.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vx {
namespace {

using test::ErrorOf;
using test::StateOf;
using Log = std::vector<std::string>;

// Records the owner's calls and OnChange into one log, in the order they happen.
class TRecordingOwner : public IHashTableOwner {
public:
  explicit TRecordingOwner(TGCustomHashtable& Table) {
    Table.SetOwner(this);
    Table.SetOnChange([this, &Table](TObject* Sender) {
      Calls.push_back(Sender == &Table ? "OnChange" : "OnChange from a stranger");
    });
  }
  void TableChanged(TGCustomHashtable*) override { Calls.push_back("TableChanged"); }
  void BeforePut(TGCustomHashtable*, std::int32_t Key, std::int32_t Value) override {
    Calls.push_back("BeforePut " + std::to_string(Key) + " " + std::to_string(Value));
  }
  void BeforeRemove(TGCustomHashtable*, std::int32_t Key) override {
    Calls.push_back("BeforeRemove " + std::to_string(Key));
  }
  void BeforeClear(TGCustomHashtable*) override { Calls.push_back("BeforeClear"); }
  Log Take() { return std::exchange(Calls, {}); }

  Log Calls;
};

TEST(HashTableChange, EveryOperationReportsInOrder) {
  TGHashtable Table(3, 1.0f);
  TRecordingOwner Owner(Table);
  Table.Put(1, 10);
  EXPECT_EQ(Owner.Take(), (Log{"BeforePut 1 10", "TableChanged", "OnChange"}));
  Table.Put(1, 11); // replacing a value reports too
  EXPECT_EQ(Owner.Take(), (Log{"BeforePut 1 11", "TableChanged", "OnChange"}));
  Table.Put(2, 20);
  Table.Put(3, 30);
  Owner.Take();
  Table.Put(4, 40); // grows 3 -> 7: the retry reports again
  EXPECT_EQ(Owner.Take(), (Log{"BeforePut 4 40", "BeforePut 4 40", "TableChanged", "OnChange",
                               "TableChanged", "OnChange"}));
  EXPECT_EQ(Table.Capacity(), 7u);
  Table.Remove(2);
  EXPECT_EQ(Owner.Take(), (Log{"BeforeRemove 2", "TableChanged", "OnChange"}));
  EXPECT_THROW(Table.Remove(2), EGHashtableError);
  EXPECT_EQ(Owner.Take(), (Log{"BeforeRemove 2"})); // called before the key is looked up
  EXPECT_THROW(Table.Put(0, 1), EGHashtableError);
  EXPECT_EQ(Owner.Take(), Log{});
  Table.SetCapacity(11);
  Table.SetLoadFactor(0.5f);
  EXPECT_EQ(Owner.Take(), Log{});
  Table.Clear();
  EXPECT_EQ(Owner.Take(), (Log{"BeforeClear", "TableChanged", "OnChange"}));
  Table.Clear();
  EXPECT_EQ(Owner.Take(), Log{}); // an empty table stays silent
  Table.SetOwner(nullptr);
  Table.Put(5, 5);
  EXPECT_EQ(Owner.Take(), Log{"OnChange"});
}

TEST(HashTableChange, UpdateBracketsReportOnceAtTheEnd) {
  TGHashtable Table;
  TRecordingOwner Owner(Table);
  Table.BeginUpdate();
  Table.BeginUpdate();
  Table.Put(1, 1);
  Table.Put(2, 2);
  Table.Remove(1);
  Table.EndUpdate();
  EXPECT_EQ(Owner.Take(), (Log{"BeforePut 1 1", "BeforePut 2 2", "BeforeRemove 1"}));
  Table.EndUpdate();
  EXPECT_EQ(Owner.Take(), (Log{"TableChanged", "OnChange"}));
  // An unmatched EndUpdate does nothing, and the next bracket still holds changes back.
  Table.EndUpdate();
  EXPECT_EQ(Table.UpdateCount(), 0);
  Table.BeginUpdate();
  Table.Put(3, 3);
  EXPECT_EQ(Owner.Take(), Log{"BeforePut 3 3"});
  Table.EndUpdate();
  EXPECT_EQ(Owner.Take(), (Log{"TableChanged", "OnChange"}));
}

TEST(HashTableChange, UpdateGuardEndsTheBracketWhenAnExceptionPasses) {
  TGHashtable Table;
  int Changes = 0;
  Table.SetOnChange([&](TObject*) { ++Changes; });
  EXPECT_THROW(
      {
        TGHashtableUpdate Update(Table);
        Table.Put(1, 1);
        Table.Put(0, 1);
      },
      EGHashtableError);
  EXPECT_EQ(Table.UpdateCount(), 0);
  EXPECT_EQ(Changes, 1);
}

TEST(HashTableChange, DestructionCallsNoListener) {
  auto Table = std::make_unique<TGHashtable>();
  Table->Put(1, 1);
  TRecordingOwner Owner(*Table);
  Table.reset();
  EXPECT_EQ(Owner.Calls, Log{});
}

// ---- Assign ------------------------------------------------------------------------------------

class TApple : public TPersistent {
  VX_CLASS_NAME(TApple)
};

TEST(HashTableAssign, CopiesSettingsAndEntriesInOneBracket) {
  TGHashtable Source(37, 0.5f);
  Source.SetHashType(htFolding);
  for (std::int32_t K = 1; K <= 18; ++K)
    Source.Put(K * 1009, -K);
  TGHashIntTable Dest(5, 1.0f);
  Dest.Put(3, 3);
  int Changes = 0;
  Dest.SetOnChange([&](TObject*) { ++Changes; });

  Dest.Assign(&Source);
  EXPECT_EQ(Changes, 2); // Clear, then the end of the bracket
  EXPECT_EQ(Dest.Capacity(), 37u);
  EXPECT_EQ(Dest.LoadFactor(), 0.5f);
  EXPECT_EQ(Dest.HashType(), htFolding);
  EXPECT_EQ(Dest.Count(), 18);
  EXPECT_FALSE(Dest.FindEntry(3));
  for (std::int32_t K = 1; K <= 18; ++K)
    EXPECT_EQ(Dest.Get(K * 1009), -K);
  EXPECT_EQ(Dest.UpdateCount(), 0);

  TGHashtable Back;
  Dest.AssignTo(&Back);
  EXPECT_EQ(StateOf(Back).Entries.size(), 18u);
  EXPECT_EQ(Back.HashType(), htFolding);
}

TEST(HashTableAssign, CopiesATableFilledBeyondItsThreshold) {
  TGHashtable Source(1000, 1.0f);
  for (std::int32_t K = 1; K <= 100; ++K)
    Source.Put(K, K);
  Source.SetCapacity(2); // 100 entries, threshold 2
  TGHashtable Dest;
  Dest.Assign(&Source);
  EXPECT_EQ(Dest.Count(), 100);
  for (std::int32_t K = 1; K <= 100; ++K)
    ASSERT_EQ(Dest.Get(K), K);
}

TEST(HashTableAssign, CopiesKeysIntoAStringListInKeyOrder) {
  TGHashtable Table(11, 0.75f);
  for (std::int32_t K : {3, 14, 25})
    Table.Put(K, -K);
  TStringList Lines;
  Lines.Add("old line");
  int Changes = 0;
  Lines.SetOnChange([&](TObject*) { ++Changes; });
  Table.AssignTo(&Lines);
  EXPECT_EQ(Changes, 1); // one change at the end of the bracket
  std::vector<std::string> Expected;
  for (TGHashtableEnumerator Keys(Table, emKeys); Keys.HasMoreElements();)
    Expected.push_back(std::to_string(Keys.NextElement()));
  ASSERT_EQ(Lines.Count(), 3);
  for (int I = 0; I < Lines.Count(); ++I) {
    EXPECT_EQ(Lines.Strings(I), Expected[I]);
    EXPECT_EQ(Lines.Objects(I), nullptr);
  }
}

TEST(HashTableAssign, SelfAssignmentKeepsEverything) {
  TGHashtable Table;
  for (std::int32_t K = 1; K <= 10; ++K)
    Table.Put(K, K);
  const test::TTableState Before = StateOf(Table);
  Table.Assign(&Table);
  EXPECT_EQ(StateOf(Table), Before);
}

TEST(HashTableAssign, OtherClassesRaiseTheAssignmentError) {
  TGHashtable Table;
  Table.Put(1, 1);
  const test::TTableState Before = StateOf(Table);
  TApple Apple;
  EXPECT_EQ(ErrorOf<EConvertError>([&] { Table.Assign(&Apple); }),
            "Cannot assign a TApple to a TGHashtable");
  EXPECT_EQ(ErrorOf<EConvertError>([&] { Table.Assign(nullptr); }),
            "Cannot assign a nil to a TGHashtable");
  EXPECT_EQ(ErrorOf<EConvertError>([&] { Apple.Assign(&Table); }),
            "Cannot assign a TGHashtable to a TApple");
  EXPECT_EQ(StateOf(Table), Before);
}

} // namespace
} // namespace vx
