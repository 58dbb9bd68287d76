#include "app/engine_display.h"

#include "engine/view/display_files.h"

namespace kelvor::app {

namespace {

template <typename Load>
void Translated(Load load) {
    try {
        load();
    } catch (const engine::MissingFileError& error) {
        throw kelvor::MissingFileError(error.path());
    }
}

}  // namespace

void EngineDisplay::LoadHtmlFile(const std::string& path) {
    Translated([&] { display_.LoadHtmlFile(path); });
}

void EngineDisplay::LoadPlainTextFile(const std::string& path) {
    Translated([&] { display_.LoadPlainTextFile(path); });
}

void EngineDisplay::ReloadDocument() {
    Translated([&] { display_.ReloadDocument(); });
}

}  // namespace kelvor::app
