#include "channels/csv_text.h"

#include <csv.h>

#include <algorithm>
#include <cctype>

namespace kp07 {
namespace {

struct Collector {
    std::vector<CsvRow>* rows;
    CsvRow row;
};

void OnField(void* data, std::size_t size, void* collector) {
    auto* c = static_cast<Collector*>(collector);
    c->row.emplace_back(static_cast<const char*>(data), data ? size : 0);
}

void OnRowEnd(int, void* collector) {
    auto* c = static_cast<Collector*>(collector);
    c->rows->push_back(std::move(c->row));
    c->row.clear();
}

// Blanks belong to the field: libcsv would otherwise trim them.
int NoSpace(unsigned char) {
    return 0;
}

// Where the quoted field that never ends began.
std::size_t OpenQuote(const std::string& text) {
    bool quoted = false;
    std::size_t at = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '"') continue;
        quoted = !quoted;
        if (quoted) at = i;
    }
    return quoted ? at : text.size();
}

int LineAt(const std::string& text, std::size_t offset) {
    offset = std::min(offset, text.size());
    return 1 + int(std::count(text.begin(), text.begin() + std::ptrdiff_t(offset), '\n'));
}

bool NeedsQuotes(const std::string& field) {
    if (field.empty()) return false;
    if (field.find_first_of(",\"\r\n") != std::string::npos) return true;
    return field.front() == ' ' || field.back() == ' ' || field.front() == '\t' ||
           field.back() == '\t';
}

}  // namespace

bool ParseCsv(const std::string& text, std::vector<CsvRow>* rows, int* errorLine) {
    rows->clear();
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0) {
        if (errorLine) *errorLine = 1;
        return false;
    }
    csv_set_space_func(&parser, NoSpace);
    Collector collector{rows, {}};
    const std::size_t done =
        csv_parse(&parser, text.data(), text.size(), OnField, OnRowEnd, &collector);
    bool ok = done == text.size();
    std::size_t stop = done;
    if (ok && csv_fini(&parser, OnField, OnRowEnd, &collector) != 0) {
        ok = false;
        stop = OpenQuote(text);
    }
    csv_free(&parser);
    if (!ok) {
        if (errorLine) *errorLine = LineAt(text, stop);
        rows->clear();
    }
    return ok;
}

std::string CsvTrimmed(const std::string& field) {
    const std::size_t first = field.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return field.substr(first, field.find_last_not_of(" \t") - first + 1);
}

std::string CsvLower(std::string field) {
    for (char& c : field) c = char(std::tolower(static_cast<unsigned char>(c)));
    return field;
}

std::string CsvLine(const CsvRow& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        const std::string& f = fields[i];
        if (!NeedsQuotes(f)) {
            line += f;
            continue;
        }
        // csv_write doubles the quotes and puts the field in quotes; it
        // tells the size it needs when given no room.
        std::string quoted(csv_write(nullptr, 0, f.data(), f.size()), '\0');
        csv_write(&quoted[0], quoted.size(), f.data(), f.size());
        line += quoted;
    }
    line += "\r\n";
    return line;
}

}  // namespace kp07
