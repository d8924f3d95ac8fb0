#include "platform/core/Strings.h"

#include "platform/core/Exceptions.h"
#include "platform/core/TextCompare.h"
#include "platform/core/UpdateGuard.h"

#include <algorithm>

namespace vx {

namespace {} // namespace

// --- TStrings ---

int TStrings::Add(const std::string& S) {
  const int Index = Count();
  Insert(Index, S);
  return Index;
}

int TStrings::AddObject(const std::string& S, TObject* Object) {
  const int Index = Add(S);
  PutObject(Index, Object);
  return Index;
}

void TStrings::AddStrings(const TStrings& Source) {
  TUpdateGuard Guard(*this);
  for (int I = 0; I < Source.Count(); ++I)
    AddObject(Source.Get(I), Source.GetObject(I));
}

void TStrings::InsertObject(int Index, const std::string& S, TObject* Object) {
  Insert(Index, S);
  PutObject(Index, Object);
}

void TStrings::Exchange(int Index1, int Index2) {
  TUpdateGuard Guard(*this);
  const std::string S = Get(Index1);
  TObject* O = GetObject(Index1);
  Put(Index1, Get(Index2));
  PutObject(Index1, GetObject(Index2));
  Put(Index2, S);
  PutObject(Index2, O);
}

void TStrings::Move(int CurIndex, int NewIndex) {
  if (CurIndex == NewIndex) return;
  if (NewIndex < 0 || NewIndex >= Count()) throw EListError::Index(NewIndex);
  TUpdateGuard Guard(*this);
  const std::string S = Get(CurIndex);
  TObject* O = GetObject(CurIndex);
  Delete(CurIndex);
  InsertObject(NewIndex, S, O);
}

int TStrings::IndexOf(const std::string& S) const {
  for (int I = 0; I < Count(); ++I)
    if (CompareStrings(Get(I), S) == 0) return I;
  return -1;
}

int TStrings::IndexOfObject(const TObject* Object) const {
  for (int I = 0; I < Count(); ++I)
    if (GetObject(I) == Object) return I;
  return -1;
}

std::string TStrings::Names(int Index) const {
  const std::string S = Get(Index);
  const std::size_t P = S.find(FNameValueSeparator);
  return P == std::string::npos ? std::string() : S.substr(0, P);
}

std::string TStrings::ValueFromIndex(int Index) const {
  const std::string S = Get(Index);
  const std::size_t P = S.find(FNameValueSeparator);
  return P == std::string::npos ? std::string() : S.substr(P + 1);
}

int TStrings::IndexOfName(const std::string& Name) const {
  for (int I = 0; I < Count(); ++I) {
    const std::string S = Get(I);
    const std::size_t P = S.find(FNameValueSeparator);
    if (P != std::string::npos && CompareStrings(S.substr(0, P), Name) == 0) return I;
  }
  return -1;
}

std::string TStrings::Values(const std::string& Name) const {
  const int I = IndexOfName(Name);
  return I >= 0 ? ValueFromIndex(I) : std::string();
}

void TStrings::SetValues(const std::string& Name, const std::string& Value) {
  const int I = IndexOfName(Name);
  if (!Value.empty()) {
    const std::string Line = Name + FNameValueSeparator + Value;
    if (I < 0)
      Add(Line);
    else
      Put(I, Line);
  } else if (I >= 0) {
    Delete(I);
  }
}

std::string TStrings::Text() const {
  std::string Result;
  for (int I = 0; I < Count(); ++I) {
    Result += Get(I);
    Result += '\n';
  }
  return Result;
}

void TStrings::SetText(const std::string& Value) {
  TUpdateGuard Guard(*this);
  Clear();
  std::size_t Start = 0;
  while (Start < Value.size()) {
    std::size_t End = Start;
    while (End < Value.size() && Value[End] != '\n' && Value[End] != '\r')
      ++End;
    Add(Value.substr(Start, End - Start));
    if (End < Value.size() && Value[End] == '\r' && End + 1 < Value.size() &&
        Value[End + 1] == '\n')
      ++End; // "\r\n" is one line break
    Start = End + 1;
  }
}

void TStrings::BeginUpdate() {
  if (FUpdateCount == 0) SetUpdateState(true);
  ++FUpdateCount;
}

void TStrings::EndUpdate() {
  if (FUpdateCount == 0) return;
  if (--FUpdateCount == 0) SetUpdateState(false);
}

void TStrings::Assign(const TPersistent* Source) {
  if (const auto* Src = dynamic_cast<const TStrings*>(Source)) {
    if (Src == this) return;
    TUpdateGuard Guard(*this);
    Clear();
    FNameValueSeparator = Src->FNameValueSeparator;
    AddStrings(*Src);
    return;
  }
  TPersistent::Assign(Source);
}

bool TStrings::Equals(const TStrings& Other) const {
  if (Count() != Other.Count()) return false;
  for (int I = 0; I < Count(); ++I)
    if (Get(I) != Other.Get(I)) return false;
  return true;
}

void TStrings::Put(int Index, const std::string& S) {
  TObject* O = GetObject(Index);
  Delete(Index);
  InsertObject(Index, S, O);
}

TObject* TStrings::GetObject(int) const {
  return nullptr;
}

void TStrings::PutObject(int, TObject*) {}

void TStrings::SetUpdateState(bool) {}

int TStrings::CompareStrings(const std::string& A, const std::string& B) const {
  return CompareText(A, B);
}

// --- TStringList ---

std::size_t TStringList::Check(int Index) const {
  if (Index < 0 || Index >= Count()) throw EListError::Index(Index);
  return static_cast<std::size_t>(Index);
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && FOnChanging) FOnChanging(this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && FOnChange) FOnChange(this);
}

void TStringList::SetUpdateState(bool Updating) {
  if (Updating)
    Changing();
  else
    Changed();
}

int TStringList::CompareStrings(const std::string& A, const std::string& B) const {
  if (FCaseSensitive) return A.compare(B) < 0 ? -1 : (A == B ? 0 : 1);
  return CompareText(A, B);
}

void TStringList::InsertLine(int Index, const std::string& S, TObject* Object) {
  Changing();
  FList.insert(FList.begin() + Index, TLine{S, Object});
  Changed();
}

int TStringList::Add(const std::string& S) {
  if (!FSorted) {
    InsertLine(Count(), S, nullptr);
    return Count() - 1;
  }
  int Index = 0;
  if (Find(S, Index)) {
    if (FDuplicates == dupIgnore) return Index;
    if (FDuplicates == dupError) throw EListError("String list does not allow duplicates");
  }
  InsertLine(Index, S, nullptr);
  return Index;
}

void TStringList::Insert(int Index, const std::string& S) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  if (Index < 0 || Index > Count()) throw EListError::Index(Index);
  InsertLine(Index, S, nullptr);
}

void TStringList::Delete(int Index) {
  const std::size_t I = Check(Index);
  Changing();
  FList.erase(FList.begin() + static_cast<std::ptrdiff_t>(I));
  Changed();
}

void TStringList::Clear() {
  if (FList.empty()) return;
  Changing();
  FList.clear();
  Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
  const std::size_t A = Check(Index1);
  const std::size_t B = Check(Index2);
  Changing();
  std::swap(FList[A], FList[B]);
  Changed();
}

int TStringList::IndexOf(const std::string& S) const {
  if (!FSorted) return TStrings::IndexOf(S);
  int Index = 0;
  return Find(S, Index) ? Index : -1;
}

bool TStringList::Find(const std::string& S, int& Index) const {
  if (!FSorted) {
    Index = TStrings::IndexOf(S);
    return Index >= 0;
  }
  int L = 0;
  int H = Count() - 1;
  bool Found = false;
  while (L <= H) {
    const int M = L + (H - L) / 2;
    const int C = CompareStrings(FList[static_cast<std::size_t>(M)].S, S);
    if (C < 0) {
      L = M + 1;
    } else {
      H = M - 1;
      if (C == 0) Found = true;
    }
  }
  Index = L;
  return Found;
}

void TStringList::Sort() {
  if (FSorted || FList.size() < 2) return;
  Changing();
  std::stable_sort(FList.begin(), FList.end(),
                   [this](const TLine& A, const TLine& B) { return CompareStrings(A.S, B.S) < 0; });
  Changed();
}

void TStringList::SetSorted(bool Value) {
  if (FSorted == Value) return;
  if (Value) Sort();
  FSorted = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
  if (FCaseSensitive == Value) return;
  FCaseSensitive = Value;
  if (FSorted) {
    FSorted = false;
    SetSorted(true);
  }
}

std::string TStringList::Get(int Index) const {
  return FList[Check(Index)].S;
}

void TStringList::Put(int Index, const std::string& S) {
  if (FSorted) throw EListError("Operation not allowed on sorted list");
  const std::size_t I = Check(Index);
  Changing();
  FList[I].S = S;
  Changed();
}

TObject* TStringList::GetObject(int Index) const {
  return FList[Check(Index)].Object;
}

void TStringList::PutObject(int Index, TObject* Object) {
  const std::size_t I = Check(Index);
  Changing();
  FList[I].Object = Object;
  Changed();
}

} // namespace vx
