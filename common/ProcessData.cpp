#include "ProcessData.h"

#include "AtomicFile.h"
#include "ProcessScanner.h"

#include <charconv>
#include <fstream>
#include <istream>
#include <locale>
#include <sstream>

namespace {

struct PolishLetter {
    unsigned char cp1250;
    const char* utf8;
};

constexpr PolishLetter polishLetters[] = {
    {0xB9, "ą"}, {0xE6, "ć"}, {0xEA, "ę"}, {0xB3, "ł"}, {0xF1, "ń"}, {0xF3, "ó"},
    {0x9C, "ś"}, {0x9F, "ź"}, {0xBF, "ż"}, {0xA5, "Ą"}, {0xC6, "Ć"}, {0xCA, "Ę"},
    {0xA3, "Ł"}, {0xD1, "Ń"}, {0xD3, "Ó"}, {0x8C, "Ś"}, {0x8F, "Ź"}, {0xAF, "Ż"},
};

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 1;
        if (lead >= 0xF0 && lead <= 0xF4)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC2 && lead <= 0xDF)
            length = 2;
        else if (lead >= 0x80)
            return false;
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

std::string fromWindows1250(std::string_view text) {
    std::string converted;
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        const char* letter = nullptr;
        for (const PolishLetter& polish : polishLetters)
            if (polish.cp1250 == byte)
                letter = polish.utf8;
        if (letter)
            converted += letter;
        else if (byte < 0x80)
            converted += ch;
        else
            converted += "\xEF\xBF\xBD"; // replacement character
    }
    return converted;
}

void writeNumber(std::ostream& out, double value) {
    out << value << "\r\n";
}

} // namespace

std::string normalizedLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.remove_suffix(1);
    if (isValidUtf8(line))
        return std::string(line);
    return fromWindows1250(line);
}

std::istream& operator>>(std::istream& in, TDane& data) {
    const ScannedHead head = scanProcessHead(in, Strictness::Extraction);
    data = head.data();
    if (head.fault)
        in.setstate(std::ios::failbit);
    return in;
}

TDane processRecord(const ProcessForm& form) {
    TDane data;
    data.steelCarbon = form.steelCarbon;
    data.transferCoefficient = form.transferCoefficient;
    data.alloy = {form.cr, form.mo, form.mn, form.si, form.ni};
    for (std::size_t row = 0; row < form.time.size(); ++row)
        if (row == 0 || form.time[row] != emptyCell) {
            data.times.push_back(form.time[row]);
            data.temperatures.push_back(form.temperature[row]);
            data.potentials.push_back(form.potential[row]);
        }
    return data;
}

std::string processDataText(const ProcessForm& form, std::string_view shape) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    writeNumber(out, form.steelCarbon);
    writeNumber(out, form.transferCoefficient);
    out << "\r\n";
    for (double content : {form.cr, form.mo, form.mn, form.si, form.ni})
        writeNumber(out, content);
    out << "\r\n";
    int count = 0;
    for (double time : form.time)
        if (time != emptyCell)
            ++count;
    out << count << "\r\n";
    for (std::size_t row = 0; row < form.time.size(); ++row)
        if (row == 0 || form.time[row] != emptyCell)
            out << form.time[row] << ' ' << form.temperature[row] << ' ' << form.potential[row]
                << "\r\n";
    out << shape << "\r\n";
    if (const auto kind = shapeFromLine(shape); !kind || kindTraits(*kind).size != SampleSize::None)
        writeNumber(out, form.thickness);
    return out.str();
}

double asWritten(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    const std::string text = out.str();
    double read = 0;
    std::from_chars(text.data(), text.data() + text.size(), read);
    return read;
}

ProcessRecord writtenRecord(const ProcessForm& form, SampleShape shape) {
    ProcessRecord record{processRecord(form), shape, emptyCell};
    TDane& data = record.data;
    data.steelCarbon = asWritten(data.steelCarbon);
    data.transferCoefficient = asWritten(data.transferCoefficient);
    for (double& content : data.alloy)
        content = asWritten(content);
    for (auto* column : {&data.times, &data.temperatures, &data.potentials})
        for (double& value : *column)
            value = asWritten(value);
    if (shape != SampleShape::SemiInfinite)
        record.thickness = asWritten(form.thickness);
    return record;
}

std::optional<std::string> wholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool writeProcessData(const std::string& path, const ProcessForm& form, std::string_view shape) {
    return !AtomicFile(path).replace(processDataText(form, shape));
}
