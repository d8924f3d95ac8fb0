#pragma once
// TList: an ordered list of pointers that never owns what it points to. Indexes outside
// the list raise EListError "List index out of bounds (N)".
//
// The storage is a vector with a free gap at its front, so appending and dropping the
// first entry are both amortised O(1): a rolling window of a million entries that drops
// its oldest entry on every append does not move the whole list each time, and its
// storage stays at a fixed size once the window is full.

#include "platform/core/Exceptions.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace vx {

template <typename T = void> class TList {
public:
  using Pointer = T*;
  using const_iterator = typename std::vector<T*>::const_iterator;

  /// Number of entries.
  int Count() const { return static_cast<int>(FItems.size() - FHead); }
  bool Empty() const { return Count() == 0; }

  /// The entry at Index (0 to Count - 1).
  T* Items(int Index) const { return FItems[Slot(Index)]; }
  T* operator[](int Index) const { return Items(Index); }
  /// Replaces the entry at Index.
  void SetItems(int Index, T* Item) { FItems[Slot(Index)] = Item; }
  T* First() const { return Items(0); }
  T* Last() const { return Items(Count() - 1); }

  /// Appends Item and returns its index.
  int Add(T* Item) {
    if (FItems.size() == FItems.capacity()) MakeRoom();
    FItems.push_back(Item);
    return Count() - 1;
  }
  /// Inserts Item before Index; Index may equal Count (append).
  void Insert(int Index, T* Item) {
    if (Index < 0 || Index > Count()) throw EListError::Index(Index);
    if (Index == 0 && FHead > 0) {
      FItems[--FHead] = Item;
      return;
    }
    FItems.insert(FItems.begin() + static_cast<std::ptrdiff_t>(FHead + Index), Item);
  }
  /// Removes the entry at Index (the pointee is untouched).
  void Delete(int Index) {
    const std::size_t S = Slot(Index);
    if (S == FHead) {
      FItems[FHead++] = nullptr;
      if (FHead == FItems.size()) {
        FItems.clear();
        FHead = 0;
      } else if (FHead >= 16 && FHead * 2 >= FItems.size()) {
        Compact();
      }
      return;
    }
    FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(S));
  }
  /// Index of the first entry equal to Item, or -1.
  int IndexOf(const T* Item) const {
    for (std::size_t I = FHead; I < FItems.size(); ++I)
      if (FItems[I] == Item) return static_cast<int>(I - FHead);
    return -1;
  }
  /// Removes the first entry equal to Item; returns its former index or -1.
  int Remove(const T* Item) {
    const int I = IndexOf(Item);
    if (I >= 0) Delete(I);
    return I;
  }
  /// Removes the first entry equal to Item and returns it, or nullptr when absent.
  T* Extract(T* Item) { return Remove(Item) >= 0 ? Item : nullptr; }
  void Clear() {
    FItems.clear();
    FHead = 0;
  }
  /// Swaps the entries at the two indexes.
  void Exchange(int Index1, int Index2) { std::swap(FItems[Slot(Index1)], FItems[Slot(Index2)]); }
  /// Takes the entry at CurIndex out and puts it back at NewIndex.
  void Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) {
      Slot(CurIndex);
      return;
    }
    const std::size_t From = Slot(CurIndex);
    const std::size_t To = Slot(NewIndex);
    if (From < To)
      std::rotate(FItems.begin() + static_cast<std::ptrdiff_t>(From),
                  FItems.begin() + static_cast<std::ptrdiff_t>(From + 1),
                  FItems.begin() + static_cast<std::ptrdiff_t>(To + 1));
    else
      std::rotate(FItems.begin() + static_cast<std::ptrdiff_t>(To),
                  FItems.begin() + static_cast<std::ptrdiff_t>(From),
                  FItems.begin() + static_cast<std::ptrdiff_t>(From + 1));
  }
  /// Sorts with Compare(A, B) returning < 0, 0 or > 0. The sort is stable and stays
  /// within the list even when Compare is inconsistent (NaN keys, random answers).
  template <typename Compare> void Sort(Compare&& C) {
    std::stable_sort(FItems.begin() + static_cast<std::ptrdiff_t>(FHead), FItems.end(),
                     [&C](T* A, T* B) { return C(A, B) < 0; });
  }
  /// Reserves room for Capacity entries.
  void SetCapacity(int Capacity) {
    if (Capacity > Count()) FItems.reserve(FHead + static_cast<std::size_t>(Capacity));
  }

  const_iterator begin() const { return FItems.begin() + static_cast<std::ptrdiff_t>(FHead); }
  const_iterator end() const { return FItems.end(); }

private:
  std::size_t Slot(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError::Index(Index);
    return FHead + static_cast<std::size_t>(Index);
  }
  // The storage is full: take back the free front slots when they are a fair share (so a
  // rolling window settles at a fixed size instead of doubling), otherwise grow by half
  // (a list of a million entries then wastes at most a third of its slots, not half).
  // Both are amortised O(1) per Add: a compaction moves at most 7/8 of the slots and is
  // followed by at least 1/8 of them in free appends.
  void MakeRoom() {
    if (FHead >= 16 && FHead * 8 >= FItems.size()) {
      Compact();
      return;
    }
    FItems.reserve(FItems.size() + FItems.size() / 2 + 16);
  }
  void Compact() {
    FItems.erase(FItems.begin(), FItems.begin() + static_cast<std::ptrdiff_t>(FHead));
    FHead = 0;
  }

  std::vector<T*> FItems;
  std::size_t FHead = 0; // entries before FHead are free slots
};

} // namespace vx
