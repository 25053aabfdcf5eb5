// The generic channel-list layout of multi-radio programming tools:
// Location, Name, Frequency, Duplex, Offset, Tone, rToneFreq, cToneFreq,
// DtcsCode, DtcsPolarity, RxDtcsCode, CrossMode, Mode, TStep, Skip, Power,
// Comment and the digital-voice columns. What fits this radio is carried
// over into the grid's columns; what does not is listed.
#pragma once

#include <string>
#include <vector>

#include "channels/channel_csv_cells.h"
#include "channels/csv_text.h"

namespace kp07 {

class ChannelTable;

// Whether a heading row is of this layout (it has a "Location" column).
bool IsGenericHeader(const CsvRow& heading);

// The channels in use, one row each.
std::string ExportGenericList(const ChannelTable& table, bool alphaTags,
                              std::vector<std::string>* notCarried);

// The rows of a file in this layout as wanted grid cells; a value with no
// meaning at all (a Duplex that is none of "", +, -, split, off) is refused
// here, a value the radio cannot hold later by the grid's rules.
void GenericToWanted(const std::vector<CsvRow>& rows, const ChannelTable& table, bool alphaTags,
                     std::vector<WantedRow>* wanted, CsvImportResult* result);

}  // namespace kp07
