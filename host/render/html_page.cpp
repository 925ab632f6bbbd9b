#include "html_page.h"

#include <charconv>

#include "page_script.h"
#include "svg_writer.h"
#include "text_codes.h"
#include "zcad/text.h"

namespace zcad::render {

namespace {

static_assert(kPageScript.find("]]>") == std::string_view::npos, "the script ends its CDATA section early");
static_assert(kPageScript.find("</script") == std::string_view::npos, "the script ends its element early");

const char kHex[] = "0123456789abcdef";

void appendColour(std::string& out, const Rgb& c) {
    out += '#';
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        out += kHex[v >> 4];
        out += kHex[v & 15];
    }
}

void appendNumber(std::string& out, double value) {
    char digits[32];
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, value);
    if (ec == std::errc()) out.append(digits, end);
    else out += '0';
}

// Laid out for a screen: the drawing fills the window, the panel floats
// over its top right corner. Fonts are the browser's own.
constexpr std::string_view kStyle = R"(html,body{margin:0;height:100%;overflow:hidden}
body{font:13px/1.35 sans-serif}
#drawing{position:fixed;left:0;top:0;width:100vw;height:100vh;display:block;cursor:crosshair;touch-action:none}
#drawing.panning{cursor:grabbing}
#drawing .picked{filter:drop-shadow(0 0 2px #ff00ff) drop-shadow(0 0 2px #ff00ff)}
#panel{position:fixed;z-index:1;top:8px;right:8px;max-width:60vw;max-height:calc(100vh - 16px);overflow:auto;
background:rgba(250,250,250,.93);color:#111;border:1px solid #999;border-radius:4px;padding:6px 8px}
#where,#picked{font-family:monospace;white-space:pre;min-height:1.35em}
#layers{border-collapse:collapse;margin-top:4px}
#layers td,#layers th{padding:1px 4px;text-align:left;white-space:nowrap}
#layers td:nth-child(2){max-width:16em;overflow:hidden;text-overflow:ellipsis}
#layers .count{text-align:right;font-variant-numeric:tabular-nums}
.swatch{display:inline-block;width:10px;height:10px;margin-left:3px;border:1px solid #666;vertical-align:middle}
button{font:inherit}
summary{cursor:pointer;margin-top:2px}
)";

// UTF-8 `text` as element content or an attribute value.
void appendHtmlText(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // Control characters are not allowed in XML; they show nothing.
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
        }
    }
}

// `hostText` as a JSON string that is also safe inside a script element
// of HTML and XML alike.
void appendScriptString(std::string& out, std::string_view hostText) {
    out += '"';
    forEachXmlChar(hostText, [&out](char32_t c) {
        // Markup characters escaped too: a name never closes the script element.
        if (c == '"' || c == '\\' || c == '<' || c == '>' || c == '&' || c == 0x2028 || c == 0x2029) {
            char digits[8] = "\\u0000";
            for (int k = 0; k < 4; ++k) digits[5 - k] = kHex[(c >> (4 * k)) & 15];
            out.append(digits, 6);
        } else {
            utf8::append(out, c);
        }
    });
    out += '"';
}

}  // namespace

void writePageHead(std::string& out, std::string_view title, const Rgb& ground, const Rgb& ink) {
    out += "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n"
           "<head>\n<meta charset=\"utf-8\"/>\n";
    // Nothing is fetched from anywhere: the page works offline, and a
    // drawing's text can never make it reach out.
    out += "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
           "style-src 'unsafe-inline'; script-src 'unsafe-inline'\"/>\n";
    out += "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\"/>\n<title>";
    appendHtmlText(out, title);
    out += "</title>\n<style>\n";
    out += kStyle;
    out += "body{background:";
    appendColour(out, ground);
    out += ";color:";
    appendColour(out, ink);
    out += "}\n</style>\n</head>\n<body>\n<div id=\"panel\">\n"
           "<button id=\"extents\" type=\"button\" title=\"Home or E\">Zoom extents</button>\n"
           "<div id=\"where\">&#160;</div>\n<div id=\"picked\">&#160;</div>\n"
           "<details open=\"open\"><summary>Layers</summary>\n<table id=\"layers\"><thead><tr><th></th><th>Layer</th>"
           "<th>Entities</th></tr></thead><tbody></tbody></table></details>\n</div>\n";
}

void writePageTail(std::string& out, const PageFacts& facts) {
    out += "<script type=\"application/json\" id=\"facts\">{\"left\":";
    appendNumber(out, facts.view.left);
    out += ",\"top\":";
    appendNumber(out, facts.view.top);
    out += ",\"scale\":";
    appendNumber(out, facts.view.scale);
    out += ",\"units\":";
    appendNumber(out, facts.unitsPerPoint);
    out += ",\"width\":";
    appendNumber(out, facts.width);
    out += ",\"height\":";
    appendNumber(out, facts.height);
    out += facts.lineweights ? ",\"lineweights\":true" : ",\"lineweights\":false";
    out += ",\n\"types\":[";
    bool first = true;
    for (const std::string_view type : entityTypeCodes()) {
        if (!first) out += ',';
        first = false;
        appendScriptString(out, type);
    }
    out += "],\n\"layers\":[";
    first = true;
    for (const PageLayer& layer : facts.layers) {
        out += first ? "\n[" : ",\n[";
        first = false;
        appendScriptString(out, layer.name);
        out += ",\"";
        appendColour(out, layer.colour);
        out += "\",";
        out += std::to_string(layer.count);
        out += ']';
    }
    out += "]}</script>\n<script>//<![CDATA[\n";
    out += kPageScript;
    out += "//]]>\n</script>\n</body>\n</html>\n";
}

}  // namespace zcad::render
