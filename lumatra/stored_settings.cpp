#include "lumatra/stored_settings.h"

#include <cstdint>
#include <limits>

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
    double number = 0;
    long whole = 0;
    if (!rt::ToDouble(text, number) || !rt::RoundToLong(number, whole)) return std::nullopt;
    // The value passes through a 16-bit integer on its way to the control.
    if (whole < std::numeric_limits<std::int16_t>::min() || whole > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    if (whole < min || whole > max) return std::nullopt;
    return static_cast<int>(whole);
}

void StoreControlValue(const std::string& key, int value) {
    rt::SaveSetting(rt::AppTitle(), kSection, key, std::to_string(value));
}

void DeleteStoredSettings() { rt::DeleteSetting(rt::AppTitle(), kSection); }

}  // namespace lumatra
