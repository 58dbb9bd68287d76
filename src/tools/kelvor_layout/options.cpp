#include "tools/kelvor_layout/options.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace kelvor::tools {

std::optional<LayoutOptions> ParseLayoutOptions(const std::vector<std::string>& arguments,
                                                std::string& error) {
    LayoutOptions options;
    bool haveFile = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string* {
            if (i + 1 >= arguments.size()) {
                error = argument + " needs a value";
                return nullptr;
            }
            return &arguments[++i];
        };
        if (argument == "--width") {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            int width = 0;
            const auto [end, code] =
                std::from_chars(text->data(), text->data() + text->size(), width);
            if (code != std::errc() || end != text->data() + text->size() || width < 1 ||
                width > kMaxWidth) {
                error = "--width takes a number of pixels from 1 to " + std::to_string(kMaxWidth);
                return std::nullopt;
            }
            options.width = width;
        } else if (argument == "--canvas") {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            if (*text != "fixed" && *text != "qt") {
                error = "--canvas takes fixed or qt";
                return std::nullopt;
            }
            options.qtCanvas = *text == "qt";
        } else if (argument == "--png") {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            options.png = *text;
        } else if (argument == "--pdf") {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            options.pdf = *text;
        } else if (argument == "--print-scale") {
            const std::string* text = value();
            if (text == nullptr)
                return std::nullopt;
            char* end = nullptr;
            const double scale = std::strtod(text->c_str(), &end);
            if (text->empty() || end != text->c_str() + text->size() || !std::isfinite(scale) ||
                scale <= 0) {
                error = "--print-scale takes a positive number (0.25 to 4)";
                return std::nullopt;
            }
            options.printScale = scale;
        } else if (argument == "--tree") {
            options.tree = true;
        } else if (argument.size() > 1 && argument[0] == '-' && argument != "-") {
            error = "unknown option " + argument;
            return std::nullopt;
        } else if (!haveFile) {
            options.file = argument;
            haveFile = true;
        } else {
            error = "one FILE only";
            return std::nullopt;
        }
    }
    if (options.printScale != 1.0 && options.pdf.empty()) {
        error = "--print-scale needs --pdf";
        return std::nullopt;
    }
    if (!haveFile) {
        error = "no FILE given";
        return std::nullopt;
    }
    return options;
}

}  // namespace kelvor::tools
