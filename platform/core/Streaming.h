#pragma once
// Stored descriptions: a component tree written to JSON text and read back, driven by the
// published properties each class declares (Published.h). The format and the guarantees
// of each entry point are described in docs/ARCHITECTURE.md.

#include "platform/core/Component.h"
#include "platform/core/EventBinding.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vx {

/// The deepest nesting of JSON objects and arrays a description may have.
constexpr int kMaxDescriptionDepth = 64;

/// The description of Root: its class, its published properties that are to be stored,
/// and its owned components, recursively. Raises EWriteError for a class that is not
/// registered, a reference to a component without name, or a value without name.
std::string WriteComponent(const TComponent& Root);

/// Reads a description into a new component tree without owner, owned by the caller.
/// All or nothing: on any failure (EReadError naming the place) every object the call
/// created is destroyed. Most refusals (syntax, depth, classes, properties, value types
/// and ranges, names, references, handlers) happen before anything is created.
std::unique_ptr<TComponent> ReadComponent(std::string_view Text,
                                          const THandlerTable* Handlers = nullptr);
/// The same with Owner as the new root's owner (which then owns it). References that the
/// description does not resolve are looked up in the tree Owner belongs to.
TComponent* ReadComponent(std::string_view Text, TComponent& Owner,
                          const THandlerTable* Handlers = nullptr);

/// Reads a description of Root's class into the existing Root: its properties, and new
/// owned components for the description's components. The whole description is checked
/// first against Root, its sub-objects and the registered classes; a description refused
/// there leaves Root untouched. A failure that only shows while applying (a setter that
/// refuses a value, an item of a new component's collection) destroys the components the
/// call created, but Root keeps the properties already set.
void ReadComponentInto(TComponent& Root, std::string_view Text,
                       const THandlerTable* Handlers = nullptr);

/// WriteComponent into a file (EWriteError when the file cannot be written).
void WriteComponentFile(const TComponent& Root, const std::string& Path);
/// ReadComponent from a file (EReadError when the file cannot be read).
std::unique_ptr<TComponent> ReadComponentFile(const std::string& Path,
                                              const THandlerTable* Handlers = nullptr);


} // namespace vx
