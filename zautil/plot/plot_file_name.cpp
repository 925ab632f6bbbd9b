#include "plot/plot_file_name.h"

#include <cstddef>

namespace {

// Alignment, earthworks, graphs, long section, model, plan, Tarnok plan,
// section, perspective, cross section.
constexpr std::string_view kKindLetters = "aeglmpqsvx";
constexpr std::size_t kExtensionLength = 4;  // with its dot
constexpr std::size_t kRestrictedNameLength = 8;

}  // namespace

ZaPlotNameCheck zaCheckPlotFileName(std::string_view path, bool restrictNameLength) {
    const auto separator = path.find_last_of("\\/");
    const std::string_view file = separator == std::string_view::npos ? path : path.substr(separator + 1);
    const auto dot = file.rfind('.');
    if (dot == std::string_view::npos) return ZaPlotNameCheck::NoExtension;
    const std::string_view extension = file.substr(dot);
    if (extension.size() != kExtensionLength) return ZaPlotNameCheck::ExtensionLength;
    if (kKindLetters.find(extension[1]) == std::string_view::npos) return ZaPlotNameCheck::ExtensionKind;
    if (restrictNameLength && dot != kRestrictedNameLength) return ZaPlotNameCheck::NameLength;
    return ZaPlotNameCheck::Accepted;
}

const char* zaPlotNameRefusal(ZaPlotNameCheck check) {
    switch (check) {
    case ZaPlotNameCheck::ExtensionLength:
        return "Please ensure that file extension is 3 characters. (Example:demofile.a11)";
    case ZaPlotNameCheck::ExtensionKind:
        return "The extension entered is not valid.";
    case ZaPlotNameCheck::NameLength:
        return "The filename has to be 8 characters.";
    case ZaPlotNameCheck::Accepted:
    case ZaPlotNameCheck::NoExtension:
        return nullptr;
    }
    return nullptr;
}
