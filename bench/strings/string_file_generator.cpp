#include "string_file_generator.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>
#include <vector>

#include "strings/tr_writer.h"
#include "strings/ur_writer.h"

namespace zastrings {
namespace {

constexpr std::array<std::string_view, 12> kCommonCodes = {"RD", "KB", "FP", "EB", "TB", "FN",
                                                           "BLDG", "TREE", "MH", "PIT", "WM", "SW"};
constexpr double kBaseEast = 300000.0;
constexpr double kBaseNorth = 6200000.0;
constexpr double kSpread = 5000.0;

// splitmix64: small, fast and the same everywhere.
class Random {
public:
    explicit Random(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    double uniform() { return static_cast<double>(next() >> 11) * 0x1.0p-53; }
    double between(double low, double high) { return low + (high - low) * uniform(); }
    int below(int limit) { return static_cast<int>(next() % static_cast<std::uint64_t>(std::max(limit, 1))); }

private:
    std::uint64_t state_;
};

// Coordinates kept to 4 decimals, so TR files carry them exactly as UR files.
double rounded(double value) { return static_cast<double>(static_cast<std::int64_t>(value * 1e4)) / 1e4; }

void setText(StringRecord& record, const std::string& code, std::string_view kind, std::int32_t number) {
    std::array<char, RecordText::kLength> text{};
    std::fill(text.begin(), text.end(), ' ');
    std::copy_n(code.begin(), std::min(code.size(), RecordText::kCodeLength), text.begin());
    std::copy(kind.begin(), kind.end(), text.begin() + RecordText::kCodeLength);
    char* digits = text.data() + RecordText::kCodeLength + kind.size() + 1;
    const auto end = std::to_chars(digits, text.data() + text.size(), number).ptr;
    record.text.assign(std::string_view(text.data(), static_cast<std::size_t>(end - text.data())));
}

}  // namespace

std::string generatedCode(int index) {
    if (index >= 0 && index < static_cast<int>(kCommonCodes.size())) return std::string(kCommonCodes[index]);
    // Then Z and three base-36 digits: 46656 more codes.
    constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
    auto rest = static_cast<unsigned>(index - static_cast<int>(kCommonCodes.size()));
    std::string code = "Z000";
    for (int i = 3; i > 0; --i, rest /= 36) code[static_cast<std::size_t>(i)] = kDigits[rest % 36];
    return code;
}

void generateStringRecords(const StringFileShape& shape, const std::function<bool(const StringRecord&)>& emit) {
    Random random(shape.seed);
    std::vector<std::string> codes;
    for (int i = 0; i < std::max(shape.codes, 1); ++i) codes.push_back(generatedCode(i));
    const auto pickCode = [&]() -> const std::string& { return codes[static_cast<std::size_t>(random.below(static_cast<int>(codes.size())))]; };

    StringRecord record;
    std::int64_t written = 0;
    std::int32_t stringNumber = 0;
    bool going = true;
    const auto put = [&] {
        record.pointNumber = static_cast<std::int32_t>(written);
        going = emit(record);
        ++written;
    };
    const auto more = [&] { return going && written < shape.records; };
    while (more()) {
        if (shape.stringLength > 0) {
            ++stringNumber;
            const std::string& code = pickCode();
            double x = kBaseEast + random.between(0, kSpread);
            double y = kBaseNorth + random.between(0, kSpread);
            double z = random.between(20, 120);
            for (int i = 0; i < shape.stringLength && more(); ++i) {
                record.stringNumber = stringNumber;
                record.x = rounded(x);
                record.y = rounded(y);
                record.z = rounded(z);
                setText(record, code, "S", stringNumber);
                put();
                x += random.between(-20, 20);
                y += random.between(-20, 20);
                z += random.between(-0.5, 0.5);
            }
        }
        for (int i = 0; i < std::max(shape.lonePoints, shape.stringLength > 0 ? 0 : 1) && more(); ++i) {
            record.stringNumber = 0;
            record.x = rounded(kBaseEast + random.between(0, kSpread));
            record.y = rounded(kBaseNorth + random.between(0, kSpread));
            record.z = rounded(random.between(20, 120));
            setText(record, pickCode(), "P", static_cast<std::int32_t>(written));
            put();
        }
    }
}

bool generateURFile(const std::string& path, const StringFileShape& shape, std::string& error) {
    URWriter writer;
    bool written = writer.open(path) && writer.WriteURHeader();
    if (written) generateStringRecords(shape, [&](const StringRecord& record) {
        written = writer.PutURRecord(record);
        return written;
    });
    written = written && writer.finish();
    if (!written) error = writer.lastError() + ": " + writer.failureReason();
    return written;
}

bool generateTRFile(const std::string& path, const StringFileShape& shape, std::string& error) {
    TRWriter writer;
    bool written = writer.open(path) && writer.WriteTRHeader();
    if (written) generateStringRecords(shape, [&](const StringRecord& record) {
        written = writer.PutTRRecord(record);
        return written;
    });
    written = written && writer.close();
    if (!written) error = writer.lastError() + ": " + writer.failureReason();
    return written;
}

}  // namespace zastrings
