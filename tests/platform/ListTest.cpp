#include "platform/core/List.h"
#include "platform/core/Exceptions.h"
#include "platform/core/Strings.h"
#include "platform/core/UpdateGuard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

TEST(List, IndexErrorsNameTheIndex) {
  TList<int> L;
  int A = 1;
  L.Add(&A);
  for (int Bad : {-1, 1, 7}) {
    try {
      L.Items(Bad);
      FAIL() << Bad;
    } catch (const EListError& E) {
      EXPECT_EQ(E.Message(), "List index out of bounds (" + std::to_string(Bad) + ")");
    }
  }
  EXPECT_THROW(L.Delete(1), EListError);
  EXPECT_THROW(L.Insert(2, &A), EListError);
  EXPECT_THROW(L.Move(0, 1), EListError);
  EXPECT_THROW(L.Exchange(0, -1), EListError);
}

TEST(List, EditsKeepOrderAcrossTheFrontGap) {
  std::vector<int> V(100);
  TList<int> L;
  for (int& X : V)
    L.Add(&X);
  for (int I = 0; I < 60; ++I)
    L.Delete(0); // drops from the front, compacting now and then
  EXPECT_EQ(L.Count(), 40);
  EXPECT_EQ(L.First(), &V[60]);
  L.Insert(0, &V[0]);
  L.Move(0, 40);
  EXPECT_EQ(L.Last(), &V[0]);
  L.Exchange(0, 1);
  EXPECT_EQ(L[0], &V[61]);
  EXPECT_EQ(L.IndexOf(&V[60]), 1);
  EXPECT_EQ(L.Remove(&V[60]), 1);
  EXPECT_EQ(L.Remove(&V[60]), -1);
  EXPECT_EQ(L.Extract(&V[99]), &V[99]);
  EXPECT_EQ(L.Extract(&V[99]), nullptr);
  L.Sort([](int* A, int* B) { return B < A ? -1 : (A == B ? 0 : 1); });
  EXPECT_EQ(L.First(), &V[98]);
  EXPECT_EQ(L.Last(), &V[0]);
  int* Prev = nullptr;
  for (int* P : L) {
    EXPECT_TRUE(Prev == nullptr || P < Prev);
    Prev = P;
  }
  L.Clear();
  EXPECT_TRUE(L.Empty());
}

TEST(List, RollingWindowKeepsItsOrderThroughCompactions) {
  std::vector<int> V(20000);
  TList<int> L;
  for (int I = 0; I < 1000; ++I)
    L.Add(&V[std::size_t(I)]);
  for (int I = 1000; I < 20000; ++I) {
    L.Delete(0);
    L.Add(&V[std::size_t(I)]);
    ASSERT_EQ(L.First(), &V[std::size_t(I - 999)]);
  }
  for (int I = 0; I < 1000; ++I)
    ASSERT_EQ(L[I], &V[std::size_t(19000 + I)]);
}

TEST(StringList, LinesObjectsAndNameValuePairs) {
  TStringList S;
  TPersistent Obj;
  S.Add("Color=Red");
  S.AddObject("Size=10", &Obj);
  S.Add("plain");
  EXPECT_EQ(S.Objects(1), &Obj);
  EXPECT_EQ(S.Names(0), "Color");
  EXPECT_EQ(S.Names(2), "");
  EXPECT_EQ(S.Values("size"), "10");
  EXPECT_EQ(S.ValueFromIndex(2), "");
  S.SetValues("Size", "12");
  EXPECT_EQ(S.Strings(1), "Size=12");
  EXPECT_EQ(S.Objects(1), &Obj);
  S.SetValues("Width", "3");
  EXPECT_EQ(S.Count(), 4);
  S.SetValues("Color", "");
  EXPECT_EQ(S.IndexOfName("Color"), -1);
  EXPECT_EQ(S.IndexOf("PLAIN"), 1);
  EXPECT_EQ(S.IndexOfObject(&Obj), 0);
  EXPECT_EQ(S.Text(), "Size=12\nplain\nWidth=3\n");
  S.SetText("a\r\nb\rc\n\nd\n");
  EXPECT_EQ(S.Count(), 5);
  EXPECT_EQ(S[3], "");
  EXPECT_EQ(S[4], "d");
  EXPECT_THROW(S.Strings(5), EListError);
  EXPECT_THROW(S.SetObjects(-1, nullptr), EListError);
  EXPECT_THROW(S.Delete(5), EListError);
  EXPECT_THROW(S.Insert(6, "x"), EListError);
}

TEST(StringList, ChangeEventsFireOncePerBracket) {
  TStringList S;
  std::vector<std::string> Log;
  S.SetOnChanging([&](TObject*) { Log.push_back("changing"); });
  S.SetOnChange([&](TObject*) { Log.push_back("change"); });
  S.Add("x");
  EXPECT_EQ(Log, (std::vector<std::string>{"changing", "change"}));
  Log.clear();
  {
    TUpdateGuard Guard(S);
    S.BeginUpdate();
    S.Add("y");
    S.Delete(0);
    S.Clear();
    S.EndUpdate();
    EXPECT_EQ(Log, (std::vector<std::string>{"changing"}));
  }
  EXPECT_EQ(Log, (std::vector<std::string>{"changing", "change"}));
}

TEST(StringList, AssignCopiesLinesAndObjects) {
  TStringList A, B;
  TPersistent Obj;
  A.AddObject("one", &Obj);
  A.Add("two");
  B.Add("old");
  B.Assign(&A);
  EXPECT_TRUE(B.Equals(A));
  EXPECT_EQ(B.Objects(0), &Obj);
  TPersistent Other;
  EXPECT_THROW(B.Assign(&Other), EConvertError);
}

TEST(StringList, SortedListKeepsOrderAndDuplicatesRule) {
  TStringList S;
  S.Add("pear");
  S.Add("Apple");
  S.Add("fig");
  S.SetSorted(true);
  EXPECT_EQ(S.Text(), "Apple\nfig\npear\n");
  EXPECT_EQ(S.Add("banana"), 1);
  EXPECT_EQ(S.Add("FIG"), 2) << "dupIgnore returns the existing line";
  EXPECT_EQ(S.Count(), 4);
  S.SetDuplicates(dupError);
  EXPECT_THROW(S.Add("pear"), EListError);
  S.SetDuplicates(dupAccept);
  S.Add("pear");
  EXPECT_EQ(S.Count(), 5);
  EXPECT_THROW(S.Insert(0, "x"), EListError);
  EXPECT_THROW(S.SetStrings(0, "x"), EListError);
  int Index = -1;
  EXPECT_FALSE(S.Find("cherry", Index));
  EXPECT_EQ(Index, 2);
  EXPECT_EQ(S.IndexOf("PEAR"), 3);
}

} // namespace
} // namespace vx
