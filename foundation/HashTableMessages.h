#pragma once
// The messages of EGHashtableError, shared by the table's source files.

namespace vx::hashtable_messages {

inline constexpr const char* ArgumentIsNull = "Argument is null";
inline constexpr const char* TableIsEmpty = "Table is empty";
inline constexpr const char* NoSuchElement = "No such element";
inline constexpr const char* NonEmptyTable = "Cannot perform this operation with non-empty table";
inline constexpr const char* ZeroCapacity = "Cannot perform this operation with zero capacity";
inline constexpr const char* LoadFactorRange = "Load factor must be between 0.0 and 1.0";
inline constexpr const char* CannotGrow = "Table cannot grow any further";
inline constexpr const char* BadHashType = "Unknown hash type";
inline constexpr const char* BadHash = "Hash function returned a bucket outside the table";
inline constexpr const char* ChangedDuringEnumeration = "Table changed during enumeration";

} // namespace vx::hashtable_messages
