// Writing a drawing read from R2000 or later as R12: the database's
// entities and the kept ones (paper space, blocks), each in a form R12 has.
#include "dxf_numbers.h"
#include "dxf_r12.h"
#include "dxf_writer.h"
#include "text/number_text.h"
#include "zcad/text.h"

namespace zcad::dxf {

namespace {

void writeR12Groups(WriteContext& ctx, std::string_view type, const std::vector<Group>& groups) {
    const auto& angles = ctx.angles.of(type);
    bool extended = false;
    for (const Group& g : groups) {
        if (g.code == 1001) extended = true;
        if (keptInR12(g.code)) ctx.out.group(g, !extended && isAngleCode(angles, g.code));
    }
}

void writeConverted(WriteContext& ctx, std::string_view type, const std::vector<OwnedGroup>& groups) {
    const std::vector<R12Entity> forms = toR12(type, groups);
    if (forms.empty()) {
        ctx.tally.dropped(type);
        return;
    }
    ctx.tally.converted(type, forms.front().type);
    std::vector<Group> views;
    for (const R12Entity& form : forms) {
        views.clear();
        for (const auto& g : form.groups) views.push_back(g.view());
        ctx.out.text(0, form.type);
        writeR12Groups(ctx, form.type, views);
    }
}

// A kept entity's groups as typed values, angles in radians, as a list
// holds them.
std::vector<OwnedGroup> decodeKept(WriteContext& ctx, std::string_view type, std::size_t first, std::size_t end) {
    const RawStore& raw = ctx.kept->raw;
    std::vector<OwnedGroup> out;
    for (std::size_t i = first; i < end; ++i) {
        const int code = raw.code(i);
        const std::string_view value = trimmed(raw.value(i));
        OwnedGroup g;
        switch (groupKind(code)) {
        case GroupKind::String:
            g = OwnedGroup::string(code, decodeText(raw.value(i), ctx.kept->encoding, ctx.scratch));
            break;
        case GroupKind::Real: {
            double v = 0;
            parseReal(value, v);
            g = OwnedGroup::real(code, isAngleGroup(type, code) ? degreesToRadians(v) : v);
            break;
        }
        case GroupKind::Point: {
            double xyz[3] = {0, 0, 0};
            parseReal(value, xyz[0]);
            bool flat = true;
            for (int axis = 1; axis <= 2 && i + 1 < end && raw.code(i + 1) == code + 10 * axis; ++axis) {
                parseReal(trimmed(raw.value(++i)), xyz[axis]);
                flat = axis < 2;
            }
            g = OwnedGroup::point(code, xyz[0], xyz[1], xyz[2], flat);
            break;
        }
        default: {
            std::int64_t v = 0;
            parseInteger(value, v);
            g = OwnedGroup::integral(code, v);
        }
        }
        out.push_back(std::move(g));
    }
    return out;
}

bool isLayoutBlock(std::string_view name) {
    name = trimmed(name);
    const auto starts = [name](std::string_view prefix) {
        return name.size() >= prefix.size() && equalNoCase(name.substr(0, prefix.size()), prefix);
    };
    return starts("*Model_Space") || starts("*Paper_Space");
}

}  // namespace

void writeEntityR12(WriteContext& ctx, std::string_view type, const std::vector<Group>& groups) {
    if (isR12Type(type)) {
        ctx.out.text(0, type);
        writeR12Groups(ctx, type, groups);
        return;
    }
    std::vector<OwnedGroup> owned;
    owned.reserve(groups.size());
    for (const Group& g : groups) owned.push_back(OwnedGroup::of(g));
    writeConverted(ctx, type, owned);
}

void writeKeptR12(WriteContext& ctx, const RawRange& range) {
    const RawStore& raw = ctx.kept->raw;
    const std::size_t end = range.first + range.count;
    bool skipping = false;  // inside the block of a layout, which R12 keeps elsewhere
    for (std::size_t i = range.first; i < end;) {
        if (raw.code(i) != 0) {
            if (!skipping) writeKept(ctx, raw.code(i), raw.value(i));
            ++i;
            continue;
        }
        std::size_t next = i + 1;
        while (next < end && raw.code(next) != 0) ++next;
        const std::string type = upperCase(trimmed(raw.value(i)));
        if (type == "BLOCK") {
            for (std::size_t k = i + 1; k < next; ++k) {
                if (raw.code(k) == 2) skipping = isLayoutBlock(raw.value(k));
            }
            if (skipping) ctx.tally.dropped("layout block");
        }
        if (!skipping && isR12Type(type)) {
            for (std::size_t k = i; k < next; ++k) writeKept(ctx, raw.code(k), raw.value(k));
        } else if (!skipping) {
            writeConverted(ctx, type, decodeKept(ctx, type, i + 1, next));
        }
        if (type == "ENDBLK") skipping = false;
        i = next;
    }
}

}  // namespace zcad::dxf
