#pragma once
// The per-user settings store: HKEY_CURRENT_USER\Software\<app>\<section>,
// string values, a default on every read.
#include <string>

namespace rt {

// What a read found: nothing, a text value, or a value of another type.
enum class SettingKind { Missing, Text, OtherType };
// Reads one value; text is filled only for a text value.
SettingKind ReadSetting(const std::string& app, const std::string& section, const std::string& key,
                        std::string& text);
// The stored text, or defaultValue when there is no text value.
std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultValue = "");
void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value);
// Deletes one section, or the program's whole entry when section is "".
void DeleteSetting(const std::string& app, const std::string& section = "");

}  // namespace rt
