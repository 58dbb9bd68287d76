// litehtml only as a yardstick: built with it when the build found liblitehtml-dev.

#include "litehtml_peer.h"

#if defined(KELVOR_HAVE_LITEHTML)

#include <litehtml.h>

#include <memory>

namespace kelvor::bench {

namespace {

// The few rules that make the generated documents' elements blocks and lists, as a browser's
// default sheet would; litehtml has no sheet of its own.
constexpr const char* kMasterSheet = R"(
html, body, div, p, ul, ol, li, pre, h1, h2, h3, h4, h5, h6, blockquote, address, center, dl,
dd, dt, form, hr, table, title, head, style, script { display: block; }
head, title, style, script { display: none; }
li { display: list-item; }
body { margin: 5px 10px; font-family: "Times New Roman"; font-size: 12pt; }
p { margin-top: 14px; margin-bottom: 14px; }
ul, ol { margin-top: 14px; margin-bottom: 14px; padding-left: 35px; }
ul { list-style-type: disc; }
ul ul { list-style-type: circle; }
ul ul ul { list-style-type: square; }
pre { white-space: pre; font-family: "Courier New"; font-size: 10pt; }
b { font-weight: bold; } i { font-style: italic; }
a { color: #0000ff; text-decoration: underline; }
table { display: table; } tr { display: table-row; } td, th { display: table-cell; }
)";

// Fixed metrics: a font of size s pixels has an em of s, a cell of s + s / 5, a descent of
// s / 4, and every character is s / 2 wide.
class FixedContainer : public litehtml::document_container {
  public:
    explicit FixedContainer(int width) : width_(width) {}

    litehtml::uint_ptr create_font(const litehtml::tchar_t*, int size, int, litehtml::font_style,
                                   unsigned int, litehtml::font_metrics* fm) override {
        const int em = size > 0 ? size : 16;
        if (fm != nullptr) {
            fm->height = em + em / 5;
            fm->descent = em / 4;
            fm->ascent = fm->height - fm->descent;
            fm->x_height = em / 2;
        }
        return static_cast<litehtml::uint_ptr>(em);
    }
    void delete_font(litehtml::uint_ptr) override {}
    int text_width(const litehtml::tchar_t* text, litehtml::uint_ptr font) override {
        int characters = 0;
        for (const unsigned char* c = reinterpret_cast<const unsigned char*>(text); *c; ++c) {
            if ((*c & 0xC0) != 0x80)
                ++characters;
        }
        return characters * static_cast<int>(font) / 2;
    }
    void draw_text(litehtml::uint_ptr, const litehtml::tchar_t*, litehtml::uint_ptr,
                   litehtml::web_color, const litehtml::position&) override {}
    int pt_to_px(int pt) const override { return pt * 96 / 72; }
    int get_default_font_size() const override { return 16; }
    const litehtml::tchar_t* get_default_font_name() const override { return "Times New Roman"; }
    void draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker&) override {}
    void load_image(const litehtml::tchar_t*, const litehtml::tchar_t*, bool) override {}
    void get_image_size(const litehtml::tchar_t*, const litehtml::tchar_t*,
                        litehtml::size& size) override {
        size.width = 0;
        size.height = 0;
    }
    void draw_background(litehtml::uint_ptr, const litehtml::background_paint&) override {}
    void draw_borders(litehtml::uint_ptr, const litehtml::borders&, const litehtml::position&,
                      bool) override {}
    void set_caption(const litehtml::tchar_t*) override {}
    void set_base_url(const litehtml::tchar_t*) override {}
    void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
    void on_anchor_click(const litehtml::tchar_t*, const litehtml::element::ptr&) override {}
    void set_cursor(const litehtml::tchar_t*) override {}
    void transform_text(litehtml::tstring&, litehtml::text_transform) override {}
    void import_css(litehtml::tstring&, const litehtml::tstring&, litehtml::tstring&) override {}
    void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool,
                  bool) override {}
    void del_clip() override {}
    void get_client_rect(litehtml::position& client) const override {
        client.x = 0;
        client.y = 0;
        client.width = width_;
        client.height = 600;
    }
    std::shared_ptr<litehtml::element> create_element(
        const litehtml::tchar_t*, const litehtml::string_map&,
        const std::shared_ptr<litehtml::document>&) override {
        return nullptr;
    }
    void get_media_features(litehtml::media_features& media) const override {
        media.type = litehtml::media_type_screen;
        media.width = width_;
        media.height = 600;
        media.device_width = width_;
        media.device_height = 600;
        media.color = 8;
        media.monochrome = 0;
        media.color_index = 256;
        media.resolution = 96;
    }
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
        language = "en";
        culture.clear();
    }

  private:
    int width_;
};

}  // namespace

bool HaveLitehtml() {
    return true;
}

int LitehtmlLayout(const std::string& html, int width) {
    static litehtml::context context = [] {
        litehtml::context made;
        made.load_master_stylesheet(kMasterSheet);
        return made;
    }();
    FixedContainer container(width);
    litehtml::document::ptr document =
        litehtml::document::createFromString(html.c_str(), &container, &context);
    document->render(width);
    return document->height();
}

}  // namespace kelvor::bench

#else

namespace kelvor::bench {

bool HaveLitehtml() {
    return false;
}

int LitehtmlLayout(const std::string&, int) {
    return 0;
}

}  // namespace kelvor::bench

#endif
