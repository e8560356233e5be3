#pragma once
// Single registry values: read and written by root key, sub-key path, value
// name ("" is the key's default value) and machine name ("" is this computer).
// Nothing is shown; outcomes are result codes and defaults.
#include <windows.h>

#include <string>
#include <variant>

namespace modRegEdit {

// A value as the module hands it over: nothing (the empty variant), text
// (REG_SZ) or a 32-bit integer (REG_DWORD).
using RegValue = std::variant<std::monostate, std::string, long>;

// Writes the value, creating the key path as needed. With asString false the
// value becomes a 32-bit integer in place where it reads as one, and is
// stored as REG_DWORD; otherwise it is stored as REG_SZ. Returns 0, the
// platform's error code of the write, or -1 when the registry cannot be
// reached or the key cannot be created.
long WriteRegValue(HKEY rootKey, const std::string& subKey, const std::string& valueName, RegValue& value,
                   bool asString, const std::string& machineName = "");

// The stored text or integer; the default when the key cannot be opened, the
// value is missing or it is of another type.
RegValue ReadRegValue(HKEY rootKey, const std::string& subKey, const std::string& valueName,
                      const RegValue& defaultValue = {}, const std::string& machineName = "");

// Writes one value of type REG_SZ (1) or REG_DWORD (4) into an open key;
// returns 0, the platform's code, or -1 for another type or a value that is
// no number for REG_DWORD.
long WriteKeyValue(HKEY key, const std::string& valueName, DWORD valueType, const RegValue& value);

// Reads one value from an open key; returns 0, the platform's code, or -1 for
// a type the module does not handle (the value is then left as it was).
long ReadKeyValue(HKEY key, const std::string& valueName, RegValue& value);

}  // namespace modRegEdit
