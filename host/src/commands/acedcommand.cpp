// acedCommandS, acedCommand and acedCmdS: the caller's words, collected and
// handed to the command line in one piece.
#include <cstdarg>
#include <optional>
#include <vector>

#include "arx/acedads.h"
#include "command_processor.h"

namespace zcad::commands {

namespace {

// Nothing when a word's type is unknown: its value cannot even be skipped.
std::optional<std::vector<Word>> wordsOf(int rtype, va_list args) {
    std::vector<Word> words;
    for (int type = rtype; type != RTNONE && type != 0; type = va_arg(args, int)) {
        switch (type) {
        case RTSTR: {
            const char* text = va_arg(args, const char*);
            words.push_back(Word::ofText(text ? text : ""));
            break;
        }
        case RTREAL:
        case RTANG:
            words.push_back(Word::ofReal(va_arg(args, double)));
            break;
        case RTSHORT:
        case RTLONG:
            words.push_back(Word::ofInteger(va_arg(args, int)));
            break;
        case RTPOINT:
        case RT3DPOINT: {
            const double* point = va_arg(args, const double*);
            if (!point) return std::nullopt;
            words.push_back(Word::ofPoint(point, type == RT3DPOINT));
            break;
        }
        case RTENAME:
        case RTPICKS: {
            const std::int64_t* name = va_arg(args, const std::int64_t*);
            if (!name) return std::nullopt;
            words.push_back(Word::ofName(type == RTENAME ? Word::Kind::Entity : Word::Kind::Set, name));
            break;
        }
        default:
            return std::nullopt;
        }
    }
    return words;
}

std::optional<std::vector<Word>> wordsOf(const resbuf* list) {
    std::vector<Word> words;
    for (const resbuf* rb = list; rb && rb->restype != RTNONE; rb = rb->rbnext) {
        switch (rb->restype) {
        case RTSTR:
            words.push_back(Word::ofText(rb->resval.rstring ? rb->resval.rstring : ""));
            break;
        case RTREAL:
        case RTANG:
            words.push_back(Word::ofReal(rb->resval.rreal));
            break;
        case RTSHORT:
            words.push_back(Word::ofInteger(rb->resval.rint));
            break;
        case RTLONG:
            words.push_back(Word::ofInteger(rb->resval.rlong));
            break;
        case RTPOINT:
        case RT3DPOINT:
            words.push_back(Word::ofPoint(rb->resval.rpoint, rb->restype == RT3DPOINT));
            break;
        case RTENAME:
        case RTPICKS:
            words.push_back(Word::ofName(rb->restype == RTENAME ? Word::Kind::Entity : Word::Kind::Set, rb->resval.rlname));
            break;
        default:
            return std::nullopt;
        }
    }
    return words;
}

int runWords(const std::optional<std::vector<Word>>& words) {
    if (!words) return RTREJ;
    return commandProcessor().run(*words);
}

int commandFromArgs(int rtype, va_list args) { return runWords(wordsOf(rtype, args)); }

}  // namespace

}  // namespace zcad::commands

int acedCommandS(int rtype, ...) {
    va_list args;
    va_start(args, rtype);
    const int status = zcad::commands::commandFromArgs(rtype, args);
    va_end(args);
    return status;
}

int acedCommand(int rtype, ...) {
    va_list args;
    va_start(args, rtype);
    const int status = zcad::commands::commandFromArgs(rtype, args);
    va_end(args);
    return status;
}

int acedCmdS(const resbuf* words) { return zcad::commands::runWords(zcad::commands::wordsOf(words)); }
