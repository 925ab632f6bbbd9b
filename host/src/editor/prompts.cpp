// Prompts for keywords, reals and strings, answered through the line protocol.
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>

#include "arx/acedads.h"
#include "prompt_state.h"
#include "text/number_text.h"
#include "zcad/console.h"
#include "zcad/text.h"

using namespace zcad;

namespace {

void copyOut(std::string_view text, ACHAR* result, std::size_t size) {
    if (!result || size == 0) return;
    const std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
    std::memcpy(result, text.data(), n);
    result[n] = '\0';
}

// A prompt that will not take the answer says why, and asks again unless
// the line came from a script that must run as written.
void refuse(const std::string& why) {
    writeOutput("\n" + why + "\n");
    noteScriptFault(ScriptFault::Refused, why);
}

const char* promptOr(const ACHAR* prompt, const char* fallback) { return prompt ? prompt : fallback; }

// The next answer with something in it, into `line`: RTNORM; or RTCAN for a
// cancel, RTNONE for an empty line (asked again under RSG_NONULL).
int readFilledAnswer(const ACHAR* prompt, int bits, std::string& line) {
    for (;;) {
        std::optional<std::string> answer = readAnswer(promptOr(prompt, ""));
        if (!answer || isCancelLine(*answer)) return RTCAN;
        if (!trimmed(*answer).empty()) {
            line = std::move(*answer);
            return RTNORM;
        }
        if (!(bits & RSG_NONULL)) return RTNONE;
    }
}

}  // namespace

int acutPrintf(const ACHAR* format, ...) {
    if (!format) return 0;
    va_list args;
    va_start(args, format);
    // A line the caller built itself passes through as it is.
    if (std::strcmp(format, "%s") == 0) {
        const char* line = va_arg(args, const char*);
        va_end(args);
        if (!line) line = "(null)";
        const std::size_t size = std::strlen(line);
        writeOutput(std::string_view(line, size));
        return static_cast<int>(size);
    }
    va_list again;
    va_copy(again, args);
    // Commands print a line per entity by the million: a line that fits is
    // formatted once, on the stack.
    char line[512];
    const int size = std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    if (size < 0) {
        va_end(again);
        return 0;
    }
    if (static_cast<std::size_t>(size) < sizeof line) {
        va_end(again);
        writeOutput(std::string_view(line, static_cast<std::size_t>(size)));
        return size;
    }
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, again);
    va_end(again);
    text.pop_back();
    writeOutput(text);
    return size;
}

int acedInitGet(int bits, const ACHAR* keywords) {
    setPromptControl(bits, keywords ? keywords : "");
    return RTNORM;
}

int acedGetKword(const ACHAR* prompt, ACHAR* result, std::size_t size) {
    const PromptControl control = takePromptControl();
    copyOut("", result, size);
    std::string answer;
    for (;;) {
        if (const int status = readFilledAnswer(prompt, control.bits, answer); status != RTNORM) return status;
        const std::string_view word = matchKeyword(control.keywords, answer);
        if (!word.empty()) {
            copyOut(word, result, size);
            return RTNORM;
        }
        refuse("Invalid option keyword.");
    }
}

int acedGetReal(const ACHAR* prompt, ads_real* result) {
    const PromptControl control = takePromptControl();
    std::string answer;
    for (;;) {
        if (const int status = readFilledAnswer(prompt, control.bits, answer); status != RTNORM) return status;
        double value = 0;
        if (!parseReal(answer, value)) {
            const std::string_view word = matchKeyword(control.keywords, answer);
            if (!word.empty()) {
                setLastKeyword(std::string(word));
                return RTKWORD;
            }
            refuse("Requires numeric value.");
            continue;
        }
        if ((control.bits & RSG_NOZERO) && value == 0) {
            refuse("Value must be nonzero.");
            continue;
        }
        if ((control.bits & RSG_NONEG) && value < 0) {
            refuse("Value must be positive.");
            continue;
        }
        if (result) *result = value;
        return RTNORM;
    }
}

int acedGetString(int allowBlanks, const ACHAR* prompt, ACHAR* result, std::size_t size) {
    takePromptControl();
    copyOut("", result, size);
    const std::optional<std::string> answer = readAnswer(promptOr(prompt, ""));
    if (!answer || isCancelLine(*answer)) return RTCAN;
    std::string_view text = *answer;
    if (!allowBlanks) text = text.substr(0, text.find(' '));
    if (result && text.size() >= size) {
        copyOut(text, result, size);
        return RTINPUTTRUNCATED;
    }
    copyOut(text, result, size);
    return RTNORM;
}

int acedGetInput(ACHAR* keyword, std::size_t size) {
    copyOut(lastKeyword(), keyword, size);
    return RTNORM;
}

int acedAlert(const ACHAR* text) {
    std::string box = "\n** ";
    box += text ? text : "";
    box += " **\n";
    writeOutput(box);
    noteScriptFault(ScriptFault::Failed, text ? text : "");
    // At a terminal an alert waits for its OK; a script does not spend a line on it.
    if (inputInteractive()) readAnswer("Press Enter to continue: ");
    return RTNORM;
}

int acedRetVoid() { return RTNORM; }
