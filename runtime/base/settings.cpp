#include "rt/settings.h"

#include <windows.h>
#include <shlwapi.h>

#include <vector>

namespace rt {
namespace {

// A name of backslashes alone would make the path HKCU\Software itself.
bool Unnamed(const std::string& name) { return name.find_first_not_of('\\') == std::string::npos; }

std::string KeyPath(const std::string& app, const std::string& section) {
    std::string path = "Software\\" + app;
    if (!section.empty()) path += "\\" + section;
    return path;
}

class Key {
public:
    ~Key() {
        if (h_) RegCloseKey(h_);
    }
    HKEY* out() { return &h_; }
    HKEY get() const { return h_; }

private:
    HKEY h_ = nullptr;
};

}  // namespace

SettingKind ReadSetting(const std::string& app, const std::string& section, const std::string& key,
                        std::string& text) {
    if (Unnamed(app) || Unnamed(section)) return SettingKind::Missing;
    Key k;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, KEY_QUERY_VALUE, k.out()) !=
        ERROR_SUCCESS)
        return SettingKind::Missing;
    DWORD type = 0, size = 0;
    if (RegQueryValueExA(k.get(), key.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
        return SettingKind::Missing;
    if (type != REG_SZ && type != REG_EXPAND_SZ) return SettingKind::OtherType;
    std::vector<char> data(size + 1, '\0');  // the stored text may lack its NUL
    if (RegQueryValueExA(k.get(), key.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()), &size) !=
        ERROR_SUCCESS)
        return SettingKind::Missing;
    text = data.data();
    return SettingKind::Text;
}

std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                       const std::string& defaultValue) {
    std::string text;
    return ReadSetting(app, section, key, text) == SettingKind::Text ? text : defaultValue;
}

void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                 const std::string& value) {
    if (Unnamed(app) || Unnamed(section)) return;
    Key k;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(app, section).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, k.out(), nullptr) != ERROR_SUCCESS)
        return;
    RegSetValueExA(k.get(), key.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void DeleteSetting(const std::string& app, const std::string& section) {
    if (Unnamed(app)) return;
    SHDeleteKeyA(HKEY_CURRENT_USER, KeyPath(app, section).c_str());
}

}  // namespace rt
