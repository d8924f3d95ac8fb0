#pragma once
// TStrings: lines of text with an object reference per line (never owned), update
// brackets and name=value lines. TStringList keeps them in memory, optionally sorted.
// Indexes outside the list raise EListError "List index out of bounds (N)".

#include "platform/core/Object.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vx {

enum TDuplicates : std::uint8_t { dupIgnore, dupAccept, dupError };

class TStrings : public TPersistent {
  VX_CLASS_NAME(TStrings)
public:
  virtual int Count() const = 0;
  /// The line at Index.
  std::string Strings(int Index) const { return Get(Index); }
  std::string operator[](int Index) const { return Get(Index); }
  void SetStrings(int Index, const std::string& S) { Put(Index, S); }
  /// The object of the line at Index (nullptr when none); the list does not own it.
  TObject* Objects(int Index) const { return GetObject(Index); }
  void SetObjects(int Index, TObject* Object) { PutObject(Index, Object); }

  /// Appends a line (a sorted list puts it in order) and returns its index.
  virtual int Add(const std::string& S);
  /// Add, then sets the line's object.
  virtual int AddObject(const std::string& S, TObject* Object);
  /// Adds every line and object of Source, inside one update bracket.
  void AddStrings(const TStrings& Source);
  virtual void Insert(int Index, const std::string& S) = 0;
  void InsertObject(int Index, const std::string& S, TObject* Object);
  virtual void Delete(int Index) = 0;
  virtual void Clear() = 0;
  virtual void Exchange(int Index1, int Index2);
  virtual void Move(int CurIndex, int NewIndex);

  /// Index of the first line equal to S (ignoring ASCII case unless the list says
  /// otherwise), or -1.
  virtual int IndexOf(const std::string& S) const;
  int IndexOfObject(const TObject* Object) const;

  /// The part of the line before the first separator ('='), or "" without separator.
  std::string Names(int Index) const;
  /// The part after the first separator of the first line named Name, or "".
  std::string Values(const std::string& Name) const;
  /// Sets the value of the line named Name (adding "Name=Value" when absent); an empty
  /// Value deletes the line.
  void SetValues(const std::string& Name, const std::string& Value);
  /// The part after the first separator of the line at Index, or "" without separator.
  std::string ValueFromIndex(int Index) const;
  /// Index of the first line whose name is Name, or -1.
  int IndexOfName(const std::string& Name) const;
  char NameValueSeparator() const { return FNameValueSeparator; }
  void SetNameValueSeparator(char Value) { FNameValueSeparator = Value; }

  /// Every line followed by "\n".
  std::string Text() const;
  /// Replaces the lines with those of Value, split at "\r\n", "\r" or "\n"; a final
  /// line break makes no empty line.
  virtual void SetText(const std::string& Value);

  /// Brackets many changes into one: the change events fire once, OnChanging when the
  /// outermost bracket opens and OnChange when it closes.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return FUpdateCount; }

  /// From another TStrings: inside an update bracket, Clear and copy every line and
  /// object. Other sources go to TPersistent::Assign (and so to the source's AssignTo).
  void Assign(const TPersistent* Source) override;
  /// Same lines in the same order (objects are not compared).
  bool Equals(const TStrings& Other) const;

protected:
  virtual std::string Get(int Index) const = 0;
  /// Replaces the line's text; the base deletes and re-inserts it with its object.
  virtual void Put(int Index, const std::string& S);
  virtual TObject* GetObject(int Index) const;
  virtual void PutObject(int Index, TObject* Object);
  /// Told when the outermost bracket opens (true) and closes (false).
  virtual void SetUpdateState(bool Updating);
  /// < 0, 0, > 0; ignores ASCII case in the base.
  virtual int CompareStrings(const std::string& A, const std::string& B) const;

private:
  int FUpdateCount = 0;
  char FNameValueSeparator = '=';
};

class TStringList : public TStrings {
  VX_CLASS_NAME(TStringList)
public:
  TStringList() = default;

  int Count() const override { return static_cast<int>(FList.size()); }
  int Add(const std::string& S) override;
  /// Raises EListError on a sorted list, where the position is not the caller's choice.
  void Insert(int Index, const std::string& S) override;
  void Delete(int Index) override;
  void Clear() override;
  void Exchange(int Index1, int Index2) override;
  int IndexOf(const std::string& S) const override;

  /// Binary search in a sorted list: true when found, Index is the first match or the
  /// place where S belongs. A list that is not sorted is searched linearly.
  bool Find(const std::string& S, int& Index) const;
  /// Sorts the lines (stable) unless the list is already Sorted.
  void Sort();

  bool Sorted() const { return FSorted; }
  /// Switching on sorts the lines.
  void SetSorted(bool Value);
  /// What Add does with a line already present in a sorted list.
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates Value) { FDuplicates = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value);

  /// Fired after every change, or once at the end of an update bracket.
  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Value) { FOnChange = std::move(Value); }
  /// Fired before every change, or once at the start of an update bracket.
  const TNotifyEvent& OnChanging() const { return FOnChanging; }
  void SetOnChanging(TNotifyEvent Value) { FOnChanging = std::move(Value); }

protected:
  std::string Get(int Index) const override;
  void Put(int Index, const std::string& S) override;
  TObject* GetObject(int Index) const override;
  void PutObject(int Index, TObject* Object) override;
  void SetUpdateState(bool Updating) override;
  int CompareStrings(const std::string& A, const std::string& B) const override;
  virtual void Changed();
  virtual void Changing();

private:
  struct TLine {
    std::string S;
    TObject* Object = nullptr;
  };
  std::size_t Check(int Index) const;
  void InsertLine(int Index, const std::string& S, TObject* Object);

  std::vector<TLine> FList;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
  TNotifyEvent FOnChange;
  TNotifyEvent FOnChanging;
};

} // namespace vx
