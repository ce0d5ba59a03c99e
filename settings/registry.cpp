#include "settings/registry.h"

#include "base/gbk_text.h"

namespace varnel::settings {

RegistryName SplitRegistryName(std::string_view fullName) {
    const std::size_t cut = gbk::FindLast(fullName, '\\');
    if (cut == gbk::kNotFound) {
        return {{}, fullName};
    }
    return {fullName.substr(0, cut), fullName.substr(cut + 1)};
}

bool WriteRegistryText(Registry& registry, std::string_view fullName, std::string_view text) {
    const RegistryName name = SplitRegistryName(fullName);
    return registry.SetValue(name.keyPath, name.valueName,
                             RegistryValue{RegistryType::kString, Text(text)});
}

Text ReadRegistryText(Registry& registry, std::string_view fullName, std::string_view defaultText) {
    const RegistryName name = SplitRegistryName(fullName);
    const std::optional<RegistryValue> value = registry.GetValue(name.keyPath, name.valueName);
    if (!value) {
        return Text(defaultText);
    }
    switch (value->type) {
    case RegistryType::kString:
        return value->text;
    case RegistryType::kExpandString:
        return registry.ExpandEnvironment(value->text);
    case RegistryType::kOther:
        break;
    }
    return Text(defaultText);
}

} // namespace varnel::settings
