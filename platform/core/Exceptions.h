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

} // namespace vx
