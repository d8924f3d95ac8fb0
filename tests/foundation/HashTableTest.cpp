#include "foundation/HashTable.h"

#include "foundation/HashTableSupport.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <set>
#include <string>

namespace vx {
namespace {

using test::ErrorOf;
using test::StateOf;

// ---- Hash functions ------------------------------------------------------------------------

// The hash functions written out literally on decimal strings, as an independent reference.
std::int32_t ReferenceHash(TGHashType Type, std::int32_t Key, std::uint32_t Capacity) {
  const std::uint32_t K = static_cast<std::uint32_t>(Key) & 0x7FFFFFFFu;
  const std::size_t N = std::to_string(Capacity).size();
  std::string S = std::to_string(K);
  std::string T;
  switch (Type) {
  case htDivision:
    T = S;
    break;
  case htTruncation:
    T = N < S.size() ? S.substr(S.size() - N) : S;
    break;
  case htMidSquare: {
    const std::int64_t Square = static_cast<std::int64_t>(Key) * Key;
    S = std::to_string(static_cast<std::uint64_t>(Square) & 0x7FFFFFFFu);
    const std::size_t L = S.size(), H = L / 2;
    T = N < H ? S.substr(L - H, N) : S;
    break;
  }
  case htFolding:
    T = S.substr(0, 1);
    for (std::size_t P = 1; P <= S.size(); ++P)
      if (P % 2 == 0 || P % 3 == 0) T += S[P - 1];
    break;
  }
  return static_cast<std::int32_t>(std::stoull(T) % Capacity);
}

std::int32_t HashOf(TGHashType Type, std::int32_t Key, std::uint32_t Capacity) {
  TGHashtable Table;
  Table.SetHashType(Type);
  return Table.Hash(Key, Capacity);
}

struct THashCase {
  TGHashType Type;
  std::int32_t Key;
  std::uint32_t Capacity;
  std::int32_t Expected;
};

const char* const HashTypeNames[] = {"Truncation", "Division", "MidSquare", "Folding"};

void PrintTo(const THashCase& C, std::ostream* Out) {
  *Out << HashTypeNames[C.Type] << "(" << C.Key << ", " << C.Capacity << ")";
}

class HashValue : public testing::TestWithParam<THashCase> {};

TEST_P(HashValue, MatchesDigitRule) {
  const THashCase& C = GetParam();
  EXPECT_EQ(HashOf(C.Type, C.Key, C.Capacity), C.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    KnownKeys, HashValue,
    testing::Values(THashCase{htDivision, 250, 101, 48},       // 250 mod 101
                    THashCase{htTruncation, 12345, 101, 42},   // 345 mod 101
                    THashCase{htMidSquare, 12345, 101, 94},    // 152399025 -> 902
                    THashCase{htFolding, 1234567890, 101, 44}, // 12346890 mod 101
                    THashCase{htTruncation, 42, 101, 42},      // fewer digits than 101
                    THashCase{htMidSquare, 5, 101, 25},        // h = 1, under n = 3: all of 25
                    THashCase{htFolding, 7, 101, 7},           // one digit folds to itself
                    THashCase{htDivision, -250, 101, 2147483398 % 101}, // sign bit cleared
                    THashCase{htDivision, INT_MIN, 101, 0},             // sign bit only: digits "0"
                    THashCase{htMidSquare, 65536, 101, 0}),             // square has low 32 bits 0
    [](const testing::TestParamInfo<THashCase>& Info) {
      return std::string(HashTypeNames[Info.param.Type]) + "_" + std::to_string(Info.index);
    });

TEST(HashFunction, EveryTypeAgreesWithTheDigitStringRule) {
  std::vector<std::int32_t> Keys = {
      1,         -1,         7,       9,       10,          99,    100,       250,
      12345,     46340,      46341,   -46341,  65535,       65536, 999999999, 1000000000,
      123456789, 1234567890, INT_MAX, INT_MIN, INT_MIN + 1, -5,    2147483643};
  std::mt19937 Random(20240611);
  for (int I = 0; I < 300; ++I)
    Keys.push_back(static_cast<std::int32_t>(Random()));
  const std::uint32_t Capacities[] = {1,    7,     10,    11,      101,         203,
                                      1000, 65521, 99991, 1000003, 2147483647u, 4294967295u};
  for (TGHashType Type : {htTruncation, htDivision, htMidSquare, htFolding})
    for (std::uint32_t Capacity : Capacities)
      for (std::int32_t Key : Keys) {
        if (Key == 0) continue;
        const std::int32_t H = HashOf(Type, Key, Capacity);
        ASSERT_EQ(H, ReferenceHash(Type, Key, Capacity))
            << "type " << int(Type) << " key " << Key << " capacity " << Capacity;
        ASSERT_GE(H, 0);
        ASSERT_LT(static_cast<std::uint32_t>(H), Capacity);
      }
}

TEST(HashFunction, KeysDifferingOnlyInTheSignBitShareABucket) {
  for (TGHashType Type : {htTruncation, htDivision, htMidSquare, htFolding})
    for (std::uint32_t Capacity : {101u, 203u, 1000u, 4294967295u})
      EXPECT_EQ(HashOf(Type, -5, Capacity), HashOf(Type, 2147483643, Capacity))
          << "type " << int(Type) << " capacity " << Capacity;
}

TEST(HashFunction, RefusesKeyZeroAndCapacityZero) {
  TGHashtable Table;
  for (TGHashType Type : {htTruncation, htDivision, htMidSquare, htFolding}) {
    Table.SetHashType(Type);
    EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Hash(0, 101); }), "Argument is null");
    EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Hash(5, 0); }),
              "Cannot perform this operation with zero capacity");
  }
}

// ---- Put, Get, Remove ----------------------------------------------------------------------

TEST(HashTable, PutReturnsThePreviousValueAndGetFindsIt) {
  TGHashIntTable Table(101, 0.75f);
  EXPECT_EQ(Table.Put(1, 10), 0);
  EXPECT_EQ(Table.Put(102, 20), 0); // same bucket as 1
  EXPECT_EQ(Table.Put(-7, 30), 0);
  EXPECT_EQ(Table.Count(), 3);
  EXPECT_EQ(Table.Collisions(), 1);
  EXPECT_EQ(Table.Put(102, 21), 20);
  EXPECT_EQ(Table.Count(), 3);
  EXPECT_EQ(Table.Get(1), 10);
  EXPECT_EQ(Table.Get(102), 21);
  EXPECT_EQ(Table.Get(-7), 30);
  EXPECT_TRUE(Table.ContainsValue(30));
  EXPECT_FALSE(Table.ContainsValue(20));
  ASSERT_NE(Table.FindEntry(102), nullptr);
  EXPECT_EQ(Table.FindEntry(102)->Bucket, 1);
  EXPECT_EQ(Table.FindEntry(5), nullptr);

  EXPECT_EQ(Table.Remove(1), 10); // head of a chain with a successor
  EXPECT_EQ(Table.Collisions(), 0);
  EXPECT_EQ(Table.Get(102), 21);
  EXPECT_EQ(Table.Remove(102), 21);
  EXPECT_EQ(Table.Remove(-7), 30);
  EXPECT_EQ(Table.Count(), 0);
  EXPECT_FALSE(Table.ContainsValue(30));
}

TEST(HashTable, ExtremeKeysAreOrdinaryKeys) {
  for (TGHashType Type : {htTruncation, htDivision, htMidSquare, htFolding}) {
    TGHashtable Table;
    Table.SetHashType(Type);
    const std::int32_t Keys[] = {INT_MIN, INT_MIN + 1, INT_MAX, -1, 1, -5, 2147483643};
    for (std::int32_t K : Keys)
      Table.Put(K, K / 2);
    for (std::int32_t K : Keys)
      EXPECT_EQ(Table.Get(K), K / 2) << K;
    EXPECT_EQ(Table.Count(), 7);
  }
}

TEST(HashTable, BadInputRaisesAndLeavesTheTableUnchanged) {
  TGHashtable Table;
  for (std::int32_t K = 1; K <= 20; ++K)
    Table.Put(K * 37, K);
  const test::TTableState Before = StateOf(Table);
  const TGHashtableEntry* Entry = nullptr;

  struct TCase {
    const char* Name;
    std::function<void()> Call;
    std::string Message;
  };
  const TCase Cases[] = {
      {"Put 0", [&] { Table.Put(0, 1); }, "Argument is null"},
      {"Get 0", [&] { Table.Get(0); }, "Argument is null"},
      {"Find 0", [&] { Table.Find(0, Entry); }, "Argument is null"},
      {"FindEntry 0", [&] { Table.FindEntry(0); }, "Argument is null"},
      {"Remove 0", [&] { Table.Remove(0); }, "Argument is null"},
      {"Get absent", [&] { Table.Get(38); }, "No such element"},
      {"Remove absent", [&] { Table.Remove(38); }, "No such element"},
      {"HashType", [&] { Table.SetHashType(htFolding); },
       "Cannot perform this operation with non-empty table"},
      {"LoadFactor 0", [&] { Table.SetLoadFactor(0.0f); },
       "Load factor must be between 0.0 and 1.0"},
      {"LoadFactor 1.5", [&] { Table.SetLoadFactor(1.5f); },
       "Load factor must be between 0.0 and 1.0"},
      {"LoadFactor NaN", [&] { Table.SetLoadFactor(std::nanf("")); },
       "Load factor must be between 0.0 and 1.0"},
  };
  for (const TCase& C : Cases) {
    EXPECT_EQ(ErrorOf<EGHashtableError>(C.Call), C.Message) << C.Name;
    EXPECT_EQ(StateOf(Table), Before) << C.Name;
  }
  for (std::int32_t Index : {-1, 20, INT_MAX}) {
    EXPECT_EQ(ErrorOf<EListError>([&] { Table.EntryAt(Index); }),
              "List index out of bounds (" + std::to_string(Index) + ")");
    EXPECT_EQ(ErrorOf<EListError>([&] { Table.ValueAt(Index); }),
              "List index out of bounds (" + std::to_string(Index) + ")");
  }
  EXPECT_EQ(StateOf(Table), Before);
  Table.SetHashType(htDivision); // unchanged: allowed on a non-empty table
}

TEST(HashTable, EmptyTableRefusesGetAndRemoveButFindsNothing) {
  TGHashtable Table;
  TGHashtableEntry Dummy;
  const TGHashtableEntry* Entry = &Dummy;
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Get(5); }), "Table is empty");
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Remove(5); }), "Table is empty");
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Get(0); }), "Table is empty");
  EXPECT_FALSE(Table.Find(5, Entry));
  EXPECT_EQ(Entry, nullptr);
  EXPECT_FALSE(Table.ContainsValue(0));
  EXPECT_EQ(ErrorOf<EListError>([&] { Table.EntryAt(0); }), "List index out of bounds (0)");
  Table.SetHashType(htMidSquare);
  EXPECT_EQ(Table.HashType(), htMidSquare);
}

// ---- Growth, capacity and load factor --------------------------------------------------------

TEST(HashTable, SeventySeventhKeyGrowsCapacity101To203) {
  TGHashIntTable Table(101, 0.75f);
  for (std::int32_t K = 1; K <= 76; ++K)
    Table.Put(K * 13, K);
  EXPECT_EQ(Table.Capacity(), 101u);
  Table.Put(77 * 13, 77);
  EXPECT_EQ(Table.Capacity(), 203u);
  EXPECT_EQ(Table.Count(), 77);
  for (std::int32_t K = 1; K <= 77; ++K) {
    ASSERT_EQ(Table.Get(K * 13), K);
    ASSERT_EQ(Table.FindEntry(K * 13)->Bucket, Table.Hash(K * 13, 203));
  }
  for (std::int32_t K = 78; K <= 152; ++K)
    Table.Put(K * 13, K);
  EXPECT_EQ(Table.Capacity(), 203u); // threshold 152
  Table.Put(153 * 13, 153);
  EXPECT_EQ(Table.Capacity(), 407u);
}

TEST(HashTable, ThresholdRoundsHalvesToEven) {
  // 5 * 0.5 = 2.5 rounds to 2: the third key grows; 7 * 0.5 = 3.5 rounds to 4.
  TGHashtable Small(5, 0.5f);
  Small.Put(1, 1);
  Small.Put(2, 2);
  EXPECT_EQ(Small.Capacity(), 5u);
  Small.Put(3, 3);
  EXPECT_EQ(Small.Capacity(), 11u);
  TGHashtable Other(7, 0.5f);
  for (std::int32_t K = 1; K <= 4; ++K)
    Other.Put(K, K);
  EXPECT_EQ(Other.Capacity(), 7u);
}

TEST(HashTable, LoadFactorOutsideItsRangeIsRefusedAtConstruction) {
  for (float F : {0.0f, -0.5f, 1.0001f, std::numeric_limits<float>::infinity(), std::nanf("")})
    EXPECT_EQ(ErrorOf<EGHashtableError>([&] { TGHashtable Table(101, F); }),
              "Load factor must be between 0.0 and 1.0")
        << F;
  TGHashtable Full(3, 1.0f);
  for (std::int32_t K = 1; K <= 3; ++K)
    Full.Put(K, K);
  EXPECT_EQ(Full.Capacity(), 3u);
  Full.SetLoadFactor(0.5f);
  EXPECT_EQ(Full.LoadFactor(), 0.5f);
  Full.Put(4, 4); // Count 3 is above the new threshold 2: grows until there is room
  EXPECT_EQ(Full.Capacity(), 7u);
  EXPECT_EQ(Full.Count(), 4);
}

TEST(HashTable, ZeroCapacityEmptiesAndRefusesPut) {
  TGHashtable Table;
  for (std::int32_t K = 1; K <= 50; ++K)
    Table.Put(K, K);
  int Changes = 0;
  Table.SetOnChange([&](TObject*) { ++Changes; });
  Table.SetCapacity(0);
  EXPECT_EQ(Changes, 0);
  EXPECT_EQ(Table.Count(), 0);
  EXPECT_EQ(Table.Collisions(), 0);
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Put(7, 1); }),
            "Cannot perform this operation with zero capacity");
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Get(7); }), "Table is empty");
  EXPECT_EQ(Table.Count(), 0);
  TGHashtable Zero(0, 0.75f);
  EXPECT_THROW(Zero.Put(1, 1), EGHashtableError);
  Zero.SetCapacity(1);
  Zero.Put(1, 1);
  Zero.Put(2, 2); // threshold Round(0.75) = 1: grows to 3
  EXPECT_EQ(Zero.Capacity(), 3u);
}

TEST(HashTable, TinyLoadFactorFailsBeforeAllocating) {
  TGHashtable Table(101, 1e-30f);
  const test::TTableState Before = StateOf(Table);
  EXPECT_EQ(ErrorOf<EGHashtableError>([&] { Table.Put(1, 1); }), "Table cannot grow any further");
  EXPECT_EQ(StateOf(Table), Before);
}

TEST(HashTable, ShrinkingCapacityRehashesEveryEntry) {
  TGHashtable Table(1000, 1.0f);
  for (std::int32_t K = 1; K <= 500; ++K)
    Table.Put(K * 7919, K);
  Table.SetCapacity(1); // one long chain
  EXPECT_EQ(Table.Count(), 500);
  EXPECT_EQ(Table.Collisions(), 499);
  for (std::int32_t K = 1; K <= 500; ++K)
    ASSERT_EQ(Table.Get(K * 7919), K);
  Table.SetCapacity(97);
  for (std::int32_t K = 1; K <= 500; ++K)
    ASSERT_EQ(Table.Get(K * 7919), K);
}

// Many random operations against std::map, with the bookkeeping checked after each step.
TEST(HashTable, RandomOperationsAgreeWithAMap) {
  std::mt19937 Random(7);
  for (TGHashType Type : {htTruncation, htDivision, htMidSquare, htFolding}) {
    TGHashtable Table(11, 0.75f);
    Table.SetHashType(Type);
    std::map<std::int32_t, std::int32_t> Model;
    for (int Step = 0; Step < 3000; ++Step) {
      const std::int32_t Key = static_cast<std::int32_t>(Random() % 400) - 200;
      const unsigned Op = Random() % 10;
      if (Key == 0) continue;
      if (Op < 6) {
        const auto It = Model.find(Key);
        const std::int32_t Old = It == Model.end() ? 0 : It->second;
        ASSERT_EQ(Table.Put(Key, Step), Old);
        Model[Key] = Step;
      } else if (Op < 9) {
        if (Model.count(Key)) {
          ASSERT_EQ(Table.Remove(Key), Model[Key]);
          Model.erase(Key);
        } else if (!Model.empty()) {
          ASSERT_THROW(Table.Remove(Key), EGHashtableError);
        }
      } else {
        Table.SetCapacity(1 + Random() % 300);
      }
      ASSERT_EQ(Table.Count(), static_cast<std::int32_t>(Model.size()));
    }
    std::set<std::int32_t> Buckets;
    std::map<std::int32_t, std::int32_t> Seen;
    for (std::int32_t I = 0; I < Table.Count(); ++I) {
      const TGHashtableEntry& E = Table.EntryAt(I);
      Buckets.insert(E.Bucket);
      Seen[E.GetKey()] = E.Value;
    }
    EXPECT_EQ(Seen, Model);
    EXPECT_EQ(Table.Collisions(), Table.Count() - static_cast<std::int32_t>(Buckets.size()));
  }
}

} // namespace
} // namespace vx
