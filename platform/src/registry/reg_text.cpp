#include "reg_text.h"

#include "reg_codec.h"

#include <cstdio>
#include <vector>

#include <zcad/text.h>

namespace zplat::reg {

namespace {

using zcad::trimmed;
using zcad::trimmedLeft;
using zcad::trimmedRight;

bool blank(std::string_view s) { return trimmed(s).empty(); }

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = text.find('\n', start);
        std::string_view line =
            text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back(line);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return lines;
}

class Parser {
public:
    explicit Parser(std::string_view text) : lines_(splitLines(text)) {}

    ParseResult run() {
        std::size_t i = 0;
        while (i < lines_.size() && blank(lines_[i])) ++i;
        if (i == lines_.size()) return ParseResult{Document{}, {}};
        const auto header = trimmed(lines_[i]);
        if (header == "REGEDIT4") {
            ansiStrings_ = true;
        } else if (header != kHeader) {
            return fail(i, "the file does not begin with \"" + std::string(kHeader) + "\"");
        }
        for (++i; i < lines_.size(); ++i) {
            const std::string_view line = trimmedLeft(lines_[i]);
            if (blank(line)) continue;
            bool ok = false;
            if (line.front() == ';') {
                ok = comment(std::string(lines_[i]));
            } else if (line.front() == '[') {
                ok = section(i, line);
            } else if (line.front() == '"' || line.front() == '@') {
                ok = value(i, line);
            } else {
                error_ = "not a [key], a value or a comment";
            }
            if (!ok) return fail(i, error_);
        }
        return ParseResult{std::move(doc_), {}};
    }

private:
    ParseResult fail(std::size_t index, const std::string& why) {
        return ParseResult{std::nullopt, "line " + std::to_string(index + 1) + ": " + why};
    }

    bool comment(std::string line) {
        if (current_ < 0) {
            doc_.preamble.push_back(std::move(line));
            return true;
        }
        doc_.sections[static_cast<std::size_t>(current_)].entries.push_back(
            Entry{std::nullopt, std::move(line)});
        return true;
    }

    bool section(std::size_t, std::string_view line) {
        line = trimmedRight(line);
        const auto close = line.rfind(']');
        if (close == std::string_view::npos || close + 1 != line.size()) {
            error_ = "a [key] line must end with ']'";
            return false;
        }
        std::string_view path = line.substr(1, close - 1);
        const bool deletion = !path.empty() && path.front() == '-';
        if (deletion) path.remove_prefix(1);
        if (path.empty()) {
            error_ = "a [key] without a name";
            return false;
        }
        if (!deletion) {
            for (std::size_t k = 0; k < doc_.sections.size(); ++k) {
                if (!doc_.sections[k].deletion && sameName(doc_.sections[k].path, path)) {
                    current_ = static_cast<int>(k);  // a key named twice is one key
                    return true;
                }
            }
        }
        doc_.sections.push_back(Section{std::string(path), deletion, {}});
        current_ = static_cast<int>(doc_.sections.size() - 1);
        return true;
    }

    bool value(std::size_t& i, std::string_view line) {
        if (current_ < 0) {
            error_ = "a value before any [key]";
            return false;
        }
        Section& sec = doc_.sections[static_cast<std::size_t>(current_)];
        if (sec.deletion) {  // regedit ignores values under a deleted key; so do we
            sec.entries.push_back(Entry{std::nullopt, std::string(lines_[i])});
            return true;
        }
        Value v;
        std::string_view rest;
        if (line.front() == '@') {
            rest = line.substr(1);
        } else {
            auto name = unquote(line.substr(1), rest);
            if (!name) {
                error_ = "a value name without its closing quote";
                return false;
            }
            v.name = std::move(*name);
        }
        rest = trimmedLeft(rest);
        if (rest.empty() || rest.front() != '=') {
            error_ = "'=' missing after the value name";
            return false;
        }
        rest = trimmedLeft(rest.substr(1));
        if (!data(i, rest, v)) return false;
        setValue(doc_, sec.path, std::move(v));
        return true;
    }

    bool data(std::size_t& i, std::string_view rest, Value& v) {
        if (!rest.empty() && rest.front() == '"') {
            std::string_view after;
            auto text = unquote(rest.substr(1), after);
            if (!text || !blank(after)) {
                error_ = text ? "text after the closing quote" : "a text value without its closing quote";
                return false;
            }
            v.kind = Value::Kind::String;
            v.text = std::move(*text);
            return true;
        }
        if (rest.substr(0, 6) == "dword:") return dword(trimmedRight(rest.substr(6)), v);
        if (rest.substr(0, 3) == "hex") return hex(i, rest, v);
        if (trimmedRight(rest) == "-") {
            v.kind = Value::Kind::Raw;
            v.text = "-";
            return true;
        }
        error_ = "a value must be \"text\", dword:, hex: or -";
        return false;
    }

    bool dword(std::string_view digits, Value& v) {
        if (digits.empty() || digits.size() > 8) {
            error_ = "dword: needs one to eight hex digits";
            return false;
        }
        std::uint32_t n = 0;
        for (const char c : digits) {
            const int d = zcad::hexDigitValue(c);
            if (d < 0) {
                error_ = "dword: needs one to eight hex digits";
                return false;
            }
            n = n * 16 + static_cast<std::uint32_t>(d);
        }
        v.kind = Value::Kind::Dword;
        v.dword = n;
        return true;
    }

    bool hex(std::size_t& i, std::string_view rest, Value& v) {
        std::string raw(trimmedRight(rest));
        while (!raw.empty() && raw.back() == '\\') {
            if (i + 1 >= lines_.size()) {
                error_ = "hex data continues past the end of the file";
                return false;
            }
            raw += '\n';
            raw += trimmedRight(lines_[++i]);
        }
        auto parsed = parseHex(raw);
        if (!parsed) {
            error_ = "hex data that cannot be read";
            return false;
        }
        v.kind = Value::Kind::Raw;
        v.text = std::move(raw);
        // REGEDIT4 keeps text types as single-byte; the 5.00 file we write
        // keeps them as UTF-16.
        const bool textType = parsed->type == 1 || parsed->type == 2 || parsed->type == 7;
        if (ansiStrings_ && textType) {
            const std::string text(parsed->bytes.begin(), parsed->bytes.end());
            v.text = formatHex(parsed->type, textToUtf16(text));
        }
        return true;
    }

    std::vector<std::string_view> lines_;
    Document doc_;
    int current_ = -1;
    bool ansiStrings_ = false;
    std::string error_;
};

void appendData(std::string& out, const Value& v) {
    switch (v.kind) {
    case Value::Kind::Dword: {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", static_cast<unsigned>(v.dword));
        out += buf;
        return;
    }
    case Value::Kind::String:
        out += quote(v.text);
        return;
    case Value::Kind::Raw:
        for (const char c : v.text) {
            if (c == '\n') out += '\r';
            out += c;
        }
        return;
    }
}

}  // namespace

ParseResult parseRegText(std::string_view bytes) {
    std::string error;
    const auto text = decodeFileText(bytes, error);
    if (!text) return ParseResult{std::nullopt, error};
    if (text->find('\0') != std::string::npos)
        return ParseResult{std::nullopt, "the file holds NUL bytes: it is not a .reg text file"};
    return Parser(*text).run();
}

std::string writeRegText(const Document& doc) {
    std::string out(kHeader);
    out += "\r\n\r\n";
    for (const auto& line : doc.preamble) out += line + "\r\n";
    if (!doc.preamble.empty()) out += "\r\n";
    for (const auto& s : doc.sections) {
        out += s.deletion ? "[-" : "[";
        out += s.path + "]\r\n";
        for (const auto& e : s.entries) {
            if (!e.value) {
                out += e.line + "\r\n";
                continue;
            }
            out += e.value->name.empty() ? std::string("@") : quote(e.value->name);
            out += '=';
            appendData(out, *e.value);
            out += "\r\n";
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace zplat::reg
