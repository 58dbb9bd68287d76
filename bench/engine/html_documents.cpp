#include "html_documents.h"

#include <array>
#include <string_view>

namespace kelvor::bench {

namespace {

constexpr std::array<std::string_view, 16> kWords = {
    "meet", "room", "note", "date", "time", "zone", "who", "yes",
    "no",   "host", "week", "sum",  "hour", "day",  "we",  "at",
};

// A deterministic sequence, so every run reads the same text.
struct Sequence {
    unsigned state = 12345;
    unsigned next() {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7FFF;
    }
};

}  // namespace

std::string ParagraphsDocument(int scale) {
    Sequence random;
    std::string html = "<html><head><title>Paragraphs</title></head><body>\n";
    html.reserve(static_cast<std::size_t>(2700000) * static_cast<std::size_t>(scale));
    const int paragraphs = 10000 * scale;
    for (int p = 0; p < paragraphs; ++p) {
        html += "<p>";
        for (int w = 0; w < 40; ++w) {
            const std::string_view word = kWords[random.next() % kWords.size()];
            switch (random.next() % 24) {
                case 0:
                    html += "<b>";
                    html += word;
                    html += "</b>";
                    break;
                case 1:
                    html += "<i>";
                    html += word;
                    html += "</i>";
                    break;
                case 2:
                    html += "<a href=\"p";
                    html += std::to_string(random.next() % 10);
                    html += ".htm\">";
                    html += word;
                    html += "</a>";
                    break;
                default:
                    html += word;
                    break;
            }
            html += w + 1 < 40 ? " " : "</p>\n";
        }
    }
    html += "</body></html>\n";
    return html;
}

std::string PreformattedDocument(int scale) {
    Sequence random;
    std::string html = "<html><body><pre>\n";
    const std::size_t size = static_cast<std::size_t>(1 << 20) * static_cast<std::size_t>(scale);
    html.reserve(size + 64);
    std::string line;
    while (html.size() < size) {
        line.clear();
        while (line.size() < 72) {
            line += kWords[random.next() % kWords.size()];
            line += ' ';
        }
        html += line;
        html += '\n';
    }
    html += "</pre></body></html>\n";
    return html;
}

std::string NestedListsDocument(int scale) {
    Sequence random;
    std::string html = "<html><body>\n<ul>\n";
    const auto words = [&](int count) {
        std::string text;
        for (int i = 0; i < count; ++i) {
            text += kWords[random.next() % kWords.size()];
            text += ' ';
        }
        return text;
    };
    // 20 x scale outer items, each with 10 middle items of 10 inner items: 2 000 x scale items
    // at the third level.
    for (int outer = 0; outer < 20 * scale; ++outer) {
        html += "<li>" + words(4) + "\n<ul>\n";
        for (int middle = 0; middle < 10; ++middle) {
            html += "<li>" + words(4) + "\n<ul>\n";
            for (int inner = 0; inner < 10; ++inner)
                html += "<li>" + words(8) + "</li>\n";
            html += "</ul></li>\n";
        }
        html += "</ul></li>\n";
    }
    html += "</ul>\n</body></html>\n";
    return html;
}

}  // namespace kelvor::bench
