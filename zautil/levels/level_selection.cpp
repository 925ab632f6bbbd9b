#include "levels/level_selection.h"

#include "arx/acedads.h"
#include "shell/za_advice.h"

namespace zalevels {

bool chooseSomething(zadrawing::Selection& selection, const char* prompt, const char* empty,
                     const zadrawing::DrawingTexts& texts) {
    for (;;) {
        acutPrintf("%s", prompt);
        const zadrawing::DrawingFault fault = selection.choose();
        if (fault != zadrawing::DrawingFault::None) {
            sayFault(fault, texts);
            return false;
        }
        if (selection.size() > 0) return true;
        acutPrintf("%s", empty);
    }
}

void sayFault(zadrawing::DrawingFault fault, const zadrawing::DrawingTexts& texts) {
    if (const char* text = zadrawing::faultText(fault, texts)) zaAdviceMessage(text);
}

}  // namespace zalevels
