// Comma-separated text as spreadsheets and other programming tools write it
// (RFC 4180): the parsing is libcsv's, this file only adapts it.
#pragma once

#include <string>
#include <vector>

namespace kp07 {

using CsvRow = std::vector<std::string>;

// Splits `text` into rows of fields. Fields keep every character, blanks
// included (an alpha tag may begin with blanks); quoted fields may hold
// commas, quotes and line breaks. Blank lines are skipped. A quote where
// none may stand makes the text unreadable: false, with the 1-based line
// where reading stopped in `errorLine`.
bool ParseCsv(const std::string& text, std::vector<CsvRow>* rows, int* errorLine);

// One row as a line ending in CR LF. A field is quoted only when it must be:
// when it holds a comma, a quote or a line break, or begins or ends with a
// blank (which some readers would drop).
std::string CsvLine(const CsvRow& fields);

// A field without the blanks and tabs around it; in lower case.
std::string CsvTrimmed(const std::string& field);
std::string CsvLower(std::string field);

}  // namespace kp07
