#include "app/file_title.h"

#include "base/gbk_text.h"

namespace varnel::app {

Text FileTitle(std::string_view gbkPath) {
    // "/" separates folders too: Windows accepts it, and no GBK trail byte is 2F.
    std::size_t nameStart = 0;
    for (std::size_t i = 0; i < gbkPath.size(); i += gbk::CharLength(gbkPath, i)) {
        if (gbkPath[i] == '\\' || gbkPath[i] == '/') {
            nameStart = i + 1;
        }
    }
    const std::string_view name = gbkPath.substr(nameStart);
    const std::size_t dot = gbk::Find(name, ".");
    return Text(dot == gbk::kNotFound ? name : name.substr(0, dot));
}

} // namespace varnel::app
