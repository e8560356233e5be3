#include "foundation/modRegEdit.h"

#include "foundation/modWin32Api.h"
#include "rt/convert.h"

namespace modRegEdit {
namespace {

// Keys are opened with every right of a key, also to read: a value the user
// may read but not change reads as absent.
constexpr REGSAM kKeyAccess = 0x3F;
constexpr long kUnhandled = -1;

// The status of the module's last registry call.
long RegLastResult = 0;

bool ToLong(const RegValue& value, long& number) {
    if (const auto* n = std::get_if<long>(&value)) {
        number = *n;
        return true;
    }
    if (const auto* text = std::get_if<std::string>(&value)) return rt::TextToLong(*text, number);
    number = 0;  // the empty variant counts as 0
    return true;
}

std::string ToText(const RegValue& value) {
    if (const auto* n = std::get_if<long>(&value)) return std::to_string(*n);
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return "";
}

LPCSTR MachineOrLocal(const std::string& machineName) {
    return machineName.empty() ? nullptr : machineName.c_str();
}

}  // namespace

long WriteKeyValue(HKEY key, const std::string& valueName, DWORD valueType, const RegValue& value) {
    if (valueType == REG_SZ) {
        const std::string text = ToText(value);
        // The stored size counts the terminating NUL that c_str supplies.
        RegLastResult = RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    } else if (valueType == REG_DWORD) {
        long number = 0;
        if (!ToLong(value, number)) return RegLastResult = kUnhandled;
        const DWORD data = static_cast<DWORD>(number);
        RegLastResult =
            RegSetValueExA(key, valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data);
    } else {
        RegLastResult = kUnhandled;
    }
    return RegLastResult;
}

long ReadKeyValue(HKEY key, const std::string& valueName, RegValue& value) {
    DWORD type = 0;
    DWORD size = 0;
    RegLastResult = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, nullptr, &size);
    if (RegLastResult != ERROR_SUCCESS) return RegLastResult;
    if (type == REG_SZ) {
        // No bytes at all, not even the NUL, is no text to read.
        if (size == 0) return RegLastResult = kUnhandled;
        std::string buffer(size, '\0');
        RegLastResult = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                                         &size);
        // Cut at the first NUL: a text stored without one keeps its last character.
        if (RegLastResult == ERROR_SUCCESS)
            value = modWin32Api::TrimAtNull(buffer.substr(0, size));
        else
            value = std::monostate{};
    } else if (type == REG_DWORD) {
        DWORD data = 0;
        size = sizeof data;
        RegLastResult = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
        if (RegLastResult == ERROR_SUCCESS) value = static_cast<long>(data);
    } else {
        RegLastResult = kUnhandled;
    }
    return RegLastResult;
}

long WriteRegValue(HKEY rootKey, const std::string& subKey, const std::string& valueName, RegValue& value,
                   bool asString, const std::string& machineName) {
    DWORD type = REG_SZ;
    long number = 0;
    if (!asString && ToLong(value, number)) {
        value = number;
        type = REG_DWORD;
    }
    HKEY root = nullptr;
    RegLastResult = RegConnectRegistryA(MachineOrLocal(machineName), rootKey, &root);
    if (RegLastResult != ERROR_SUCCESS) return -1;
    HKEY key = nullptr;
    RegLastResult =
        RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, kKeyAccess, nullptr, &key, nullptr);
    long result = -1;
    if (RegLastResult == ERROR_SUCCESS) {
        result = WriteKeyValue(key, valueName, type, value);
        RegCloseKey(key);
    }
    RegCloseKey(root);
    return result;
}

RegValue ReadRegValue(HKEY rootKey, const std::string& subKey, const std::string& valueName,
                      const RegValue& defaultValue, const std::string& machineName) {
    HKEY root = nullptr;
    RegLastResult = RegConnectRegistryA(MachineOrLocal(machineName), rootKey, &root);
    if (RegLastResult != ERROR_SUCCESS) return defaultValue;
    RegValue result = defaultValue;
    HKEY key = nullptr;
    RegLastResult = RegOpenKeyExA(root, subKey.c_str(), 0, kKeyAccess, &key);
    if (RegLastResult == ERROR_SUCCESS) {
        RegValue value;
        if (ReadKeyValue(key, valueName, value) == ERROR_SUCCESS) result = value;
        RegCloseKey(key);
    }
    RegCloseKey(root);
    return result;
}

}  // namespace modRegEdit
