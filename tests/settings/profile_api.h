// The real private-profile functions, for the Windows suite: the INI case table runs against
// them to keep its record of the platform's behaviour true. Windows only.
#pragma once

#include <string>

namespace varnel::settings::test {

// GetPrivateProfileStringA with a 10240-byte buffer; an empty default is passed as none.
[[nodiscard]] std::string RealProfileRead(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& defaultText);

// WritePrivateProfileStringA; its success flag.
[[nodiscard]] bool RealProfileWrite(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value);

// True when the process runs under Wine rather than Windows.
[[nodiscard]] bool RunningUnderWine();

} // namespace varnel::settings::test
