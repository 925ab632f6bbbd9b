#include "system_font.h"

#include <cairo-ft.h>
#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>

#include "zcad/text.h"

namespace zcad::render {

namespace {

// Outlines are taken at this many units to the em, so that cairo's fixed
// point keeps their detail, and flattened to within this many of them.
constexpr double kEm = 1000;
constexpr double kTolerance = 1.5;
// A capital's height in em in the sans-serif faces fontconfig offers
// (DejaVu Sans 0.73, Noto Sans 0.71): a text height is a capital's.
constexpr double kCapitalHeight = 0.72;

class Library {
public:
    Library() {
        FcInit();
        surface_ = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
        cr_ = cairo_create(surface_);
        cairo_set_tolerance(cr_, kTolerance);
    }
    ~Library() {
        cairo_destroy(cr_);
        cairo_surface_destroy(surface_);
        for (auto& [name, face] : faces_) cairo_font_face_destroy(face);
    }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    const Outline* find(char32_t c) {
        const std::lock_guard<std::mutex> lock(mutex_);
        const auto known = outlines_.find(c);
        if (known != outlines_.end()) return known->second.get();
        std::unique_ptr<Outline> outline;
        if (cairo_font_face_t* face = faceFor(c)) outline = trace(face, c);
        return outlines_.emplace(c, std::move(outline)).first->second.get();
    }

private:
    // The face fontconfig offers for `c` in place of a sans-serif one, or
    // null when none it knows has the character.
    cairo_font_face_t* faceFor(char32_t c) {
        FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif"));
        if (!pattern) return nullptr;
        FcCharSet* wanted = FcCharSetCreate();
        FcCharSetAddChar(wanted, c);
        FcPatternAddCharSet(pattern, FC_CHARSET, wanted);
        FcCharSetDestroy(wanted);
        FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(nullptr, pattern, &result);
        FcPatternDestroy(pattern);
        if (!match) return nullptr;
        cairo_font_face_t* face = nullptr;
        FcCharSet* has = nullptr;
        FcChar8* file = nullptr;
        int index = 0;
        if (FcPatternGetCharSet(match, FC_CHARSET, 0, &has) == FcResultMatch && FcCharSetHasChar(has, c) &&
            FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch) {
            FcPatternGetInteger(match, FC_INDEX, 0, &index);
            const std::string key = reinterpret_cast<const char*>(file) + std::string(":") + std::to_string(index);
            auto& kept = faces_[key];
            if (!kept) kept = cairo_ft_font_face_create_for_pattern(match);
            face = kept;
        }
        FcPatternDestroy(match);
        return face && cairo_font_face_status(face) == CAIRO_STATUS_SUCCESS ? face : nullptr;
    }

    std::unique_ptr<Outline> trace(cairo_font_face_t* face, char32_t c) {
        cairo_set_font_face(cr_, face);
        cairo_set_font_size(cr_, kEm);
        cairo_scaled_font_t* font = cairo_get_scaled_font(cr_);
        std::string text;
        utf8::append(text, c);
        cairo_glyph_t* glyphs = nullptr;
        int count = 0;
        if (cairo_scaled_font_text_to_glyphs(font, 0, 0, text.data(), static_cast<int>(text.size()), &glyphs, &count, nullptr,
                                             nullptr, nullptr) != CAIRO_STATUS_SUCCESS) {
            return nullptr;
        }
        cairo_text_extents_t extents;
        cairo_scaled_font_glyph_extents(font, glyphs, count, &extents);
        cairo_new_path(cr_);
        cairo_glyph_path(cr_, glyphs, count);
        cairo_glyph_free(glyphs);
        cairo_path_t* path = cairo_copy_path_flat(cr_);
        cairo_new_path(cr_);
        auto outline = std::make_unique<Outline>();
        constexpr double k = 1 / (kEm * kCapitalHeight);
        outline->advance = extents.x_advance * k;
        const auto close = [&] {
            if (outline->points.size() > (outline->ends.empty() ? 0 : outline->ends.back())) {
                outline->ends.push_back(static_cast<std::uint32_t>(outline->points.size()));
            }
        };
        for (int i = 0; path->status == CAIRO_STATUS_SUCCESS && i < path->num_data; i += path->data[i].header.length) {
            const cairo_path_data_t& head = path->data[i];
            if (head.header.type == CAIRO_PATH_MOVE_TO) close();
            if (head.header.type == CAIRO_PATH_MOVE_TO || head.header.type == CAIRO_PATH_LINE_TO) {
                outline->points.push_back({path->data[i + 1].point.x * k, -path->data[i + 1].point.y * k});
            }
        }
        close();
        cairo_path_destroy(path);
        return outline;
    }

    std::mutex mutex_;
    cairo_surface_t* surface_ = nullptr;
    cairo_t* cr_ = nullptr;
    std::unordered_map<std::string, cairo_font_face_t*> faces_;
    std::unordered_map<char32_t, std::unique_ptr<Outline>> outlines_;
};

}  // namespace

const Outline* systemGlyph(char32_t c) {
    static Library library;
    return library.find(c);
}

}  // namespace zcad::render
