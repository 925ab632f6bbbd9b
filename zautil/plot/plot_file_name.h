// The name a new plot file must have: an extension of a dot and three
// characters, the first naming one of the suite's ten kinds of drawing in
// lower case, and, where the settings restrict it, a name of eight.
#pragma once

#include <string_view>

enum class ZaPlotNameCheck {
    Accepted,
    NoExtension,     // cancelled without a message of its own
    ExtensionLength,
    ExtensionKind,
    NameLength,
};

ZaPlotNameCheck zaCheckPlotFileName(std::string_view path, bool restrictNameLength);

// The message box a refusal shows; null for Accepted and NoExtension.
const char* zaPlotNameRefusal(ZaPlotNameCheck check);
