#pragma once
// Root classes of the object model: TObject (a class name for messages and streaming) and
// TPersistent (copying between objects with Assign / AssignTo).

#include <functional>

namespace vx {

class TObject {
public:
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
  virtual ~TObject() = default;

  /// The class name as written in messages and stored descriptions.
  virtual const char* ClassName() const { return "TObject"; }
};

/// Declares the class name of a class; put it first in the class body.
#define VX_CLASS_NAME(Name)                                                                        \
public:                                                                                            \
  static constexpr const char* StaticClassName() {                                                 \
    return #Name;                                                                                  \
  }                                                                                                \
  const char* ClassName() const override {                                                         \
    return #Name;                                                                                  \
  }                                                                                                \
                                                                                                   \
private:

using TNotifyEvent = std::function<void(TObject* Sender)>;

class TPersistent : public TObject {
  VX_CLASS_NAME(TPersistent)
public:
  /// Copies Source into this object. The default asks Source to AssignTo this object;
  /// a pair neither side knows raises EConvertError "Cannot assign a X to a Y".
  virtual void Assign(const TPersistent* Source);
  /// Copies this object into Dest; the default raises the assignment error.
  virtual void AssignTo(TPersistent* Dest) const;
  /// The object that owns this one (a collection for its items, a component's owner ...).
  virtual TPersistent* GetOwner() const { return nullptr; }

protected:
  /// Raises EConvertError "Cannot assign a <Source class or nil> to a <this class>".
  [[noreturn]] void AssignError(const TPersistent* Source) const;
};

} // namespace vx
