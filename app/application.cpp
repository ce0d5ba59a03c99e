#include "app/application.h"

namespace varnel::app {

Application::Application(std::string_view settingsPath) {
    settings_.Open(settingsPath, {}, false);
}

} // namespace varnel::app
