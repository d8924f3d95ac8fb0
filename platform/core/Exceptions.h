#pragma once
// The library's failures: every exception derives from Exception (and so from
// std::exception) and carries a readable message.

#include <stdexcept>
#include <string>

namespace vx {

class Exception : public std::exception {
public:
  explicit Exception(std::string Message) : FMessage(std::move(Message)) {}
  const char* what() const noexcept override { return FMessage.c_str(); }
  const std::string& Message() const { return FMessage; }

private:
  std::string FMessage;
};

/// A conversion or assignment between unrelated kinds ("Cannot assign a X to a Y").
class EConvertError : public Exception {
public:
  using Exception::Exception;
};

/// An index or operation outside a list.
class EListError : public Exception {
public:
  using Exception::Exception;
  /// "List index out of bounds (N)".
  static EListError Index(long long Index) {
    return EListError("List index out of bounds (" + std::to_string(Index) + ")");
  }
};

/// A number outside the range its destination can hold.
class ERangeError : public Exception {
public:
  using Exception::Exception;
};

/// An operation that is not allowed in the object's present state.
class EInvalidOperation : public Exception {
public:
  using Exception::Exception;
};

/// A component name that is not an identifier or clashes with a sibling's name.
class EComponentError : public Exception {
public:
  using Exception::Exception;
};

/// A failure of writing or reading a stored description.
class EFilerError : public Exception {
public:
  using Exception::Exception;
};

/// A stored description that cannot be read; the message starts with the path of the
/// place ("Form1.Panel1.Font.Size: ...") and then gives the reason.
class EReadError : public EFilerError {
public:
  using EFilerError::EFilerError;
};

/// An object tree that cannot be written (an unregistered class, an unnamed reference).
class EWriteError : public EFilerError {
public:
  using EFilerError::EFilerError;
};

} // namespace vx
