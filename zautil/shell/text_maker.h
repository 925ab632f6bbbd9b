// Single-line TEXT by the thousand: one kept list per kind (with and without
// a style), its values replaced for each text, the text box measured only
// when the justification needs the width, and each style looked up once.
#pragma once

#include <string>

#include "shell/entity_gate.h"
#include "shell/text_create.h"

class ZaTextMaker {
public:
    // As zaMakeText: true when the host made the text.
    bool make(const ZaTextRecord& text);

private:
    // The style when the drawing has it, else null; asked of the drawing
    // only when the name differs from the last one.
    const char* knownStyle(const char* style);

    ZaEntityList styled_;
    ZaEntityList plain_;
    std::string style_;
    bool styleLooked_ = false;
    bool styleKnown_ = false;
    std::string spelt_;
};
