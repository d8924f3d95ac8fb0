#pragma once
// Event handlers by name. A stored description names the handler of each event; the
// application supplies a table from names to functions when reading. A handler bound
// through the table (or made with NamedHandler) remembers its name, which is how the
// writer finds the name again. Handlers assigned as plain functions are not written.

#include <any>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

namespace vx {

template <typename Sig> struct TNamedHandler;

/// A callable that forwards to Fn and carries the handler's name.
template <typename R, typename... Args> struct TNamedHandler<R(Args...)> {
  std::shared_ptr<const std::string> Name;
  std::function<R(Args...)> Fn;
  R operator()(Args... A) const { return Fn(std::forward<Args>(A)...); }
};

/// Wraps Fn so that the description writer can name it.
template <typename Sig> std::function<Sig> NamedHandler(std::string Name, std::function<Sig> Fn) {
  return TNamedHandler<Sig>{std::make_shared<const std::string>(std::move(Name)), std::move(Fn)};
}

/// The name of a handler made by NamedHandler or bound by the reader, else nullptr.
template <typename Sig> const std::string* HandlerName(const std::function<Sig>& Fn) {
  const auto* H = Fn.template target<TNamedHandler<Sig>>();
  return H ? H->Name.get() : nullptr;
}

enum class THandlerStatus : unsigned char { Ok, Missing, WrongType };

/// Handler names to functions, supplied by the application when it reads a description.
/// One name may carry handlers of several event types.
class THandlerTable {
public:
  /// Adds (or replaces) the handler Name for events of type Event (a std::function).
  template <typename Event, typename F> THandlerTable& Add(const std::string& Name, F&& Fn) {
    Event E(std::forward<F>(Fn));
    auto& Entries = FEntries[Name];
    for (auto& Entry : Entries)
      if (Entry.first == std::type_index(typeid(Event))) {
        Entry.second = std::move(E);
        return *this;
      }
    Entries.emplace_back(std::type_index(typeid(Event)), std::any(std::move(E)));
    return *this;
  }

  /// The handler Name of type Event, or nullptr.
  template <typename Event> const Event* Find(const std::string& Name) const {
    const auto It = FEntries.find(Name);
    if (It == FEntries.end()) return nullptr;
    for (const auto& Entry : It->second)
      if (Entry.first == std::type_index(typeid(Event))) return std::any_cast<Event>(&Entry.second);
    return nullptr;
  }

  /// True when some handler has this name.
  bool Contains(const std::string& Name) const { return FEntries.count(Name) != 0; }

  /// The handler Name as an Event that remembers its name, ready to assign;
  /// an empty function when the table has no such handler.
  template <typename Event> Event Bind(const std::string& Name) const {
    const Event* Fn = Find<Event>(Name);
    return Fn ? Event(NamedHandler(Name, *Fn)) : Event();
  }

private:
  std::map<std::string, std::vector<std::pair<std::type_index, std::any>>> FEntries;
};

} // namespace vx
