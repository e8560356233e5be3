#include "lumatra/stored_settings.h"

#include "rt/app.h"
#include "rt/convert.h"
#include "rt/settings.h"

namespace lumatra {

namespace {
constexpr char kSection[] = "Settings";
}

std::optional<int> StoredControlValue(const std::string& key, int defaultValue, int min, int max) {
    std::string text;
    switch (rt::ReadSetting(rt::AppTitle(), kSection, key, text)) {
    case rt::SettingKind::Missing:
        text = std::to_string(defaultValue);
        break;
    case rt::SettingKind::OtherType:
        return std::nullopt;
    case rt::SettingKind::Text:
        break;
    }
    // The value passes through a 16-bit integer on its way to the control.
    short whole = 0;
    if (!rt::TextToInteger(text, whole) || whole < min || whole > max) return std::nullopt;
    return whole;
}

void StoreControlValue(const std::string& key, int value) {
    rt::SaveSetting(rt::AppTitle(), kSection, key, std::to_string(value));
}

void DeleteStoredSettings() { rt::DeleteSetting(rt::AppTitle(), kSection); }

}  // namespace lumatra
