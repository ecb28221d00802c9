// Generated source text for the embedded bitmaps.
#include "source_writer.h"

#include <charconv>

namespace fendwick::artwork {

namespace {

void appendNumber(std::string& out, long value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

// Plain decimal arrays, a few dozen numbers a line: compilers read these quickly
// and none of them limits their length.
void appendArray(std::string& out, const std::string& name, const std::vector<uint8_t>& bytes)
{
    constexpr size_t perLine = 40;
    out += "const uint8_t ";
    out += name;
    out += "[";
    appendNumber(out, static_cast<long>(bytes.size()));
    out += "] = {\n";
    for (size_t i = 0; i < bytes.size(); ++i) {
        appendNumber(out, bytes[i]);
        out += (i + 1) % perLine == 0 || i + 1 == bytes.size() ? ",\n" : ",";
    }
    out += "};\n\n";
}

std::string arrayName(const char* kind, int32_t id)
{
    std::string name = kind;
    appendNumber(name, id);
    return name;
}

}  // namespace

std::string generateSource(const std::string& tableName, const std::string& description,
                           const std::vector<EncodedBitmap>& bitmaps)
{
    std::string out;
    out += "// The bitmaps of " + description + ", as the artwork program painted them.\n";
    out += "// Generated at build time; edit the artwork program instead.\n";
    out += "#include \"artwork_tables.h\"\n\n";
    out += "namespace fendwick {\n\nnamespace {\n\n";
    for (const EncodedBitmap& b : bitmaps) {
        if (!b.palette.empty()) {
            appendArray(out, arrayName("palette", b.id), b.palette);
        }
        appendArray(out, arrayName("pixels", b.id), b.pixels);
    }
    out += "const EmbeddedBitmap bitmaps[] = {\n";
    for (const EncodedBitmap& b : bitmaps) {
        out += "    {";
        appendNumber(out, b.id);
        out += ", ";
        appendNumber(out, b.width);
        out += ", ";
        appendNumber(out, b.height);
        out += ", ";
        appendNumber(out, b.bitsPerPixel);
        out += ", ";
        out += b.palette.empty() ? std::string("nullptr") : arrayName("palette", b.id);
        out += ", ";
        out += arrayName("pixels", b.id);
        out += "},\n";
    }
    out += "};\n\n}  // namespace\n\n";
    out += "const ArtworkTable " + tableName + "{bitmaps, ";
    appendNumber(out, static_cast<long>(bitmaps.size()));
    out += "};\n\n}  // namespace fendwick\n";
    return out;
}

}  // namespace fendwick::artwork
