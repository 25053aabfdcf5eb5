// The printed report of a radio's memory image, as pages of text lines. The
// printer, the print preview, the PDF writer and `kp07 report` all draw the
// same lines: line n of a page is the n-th text of the page.
#pragma once

#include <string>
#include <vector>

#include "image/radio_image.h"

namespace kp07 {

using ReportPage = std::vector<std::string>;

struct Report {
    std::vector<ReportPage> pages;
    // The most lines and the most characters on one line of any page: what
    // a printed page must hold.
    std::size_t MaxLines() const;
    std::size_t MaxColumns() const;
};

// The whole report of `image`. `filePath` is the document's file (only its
// name is printed, without the folder); `dateText` the date of every page's
// header (ReportDateText); `defaultSplitMHz` the automatic transmit offset,
// which the data file keeps beside the image.
Report BuildReport(const RadioImage& image, const std::string& filePath,
                   const std::string& dateText, double defaultSplitMHz);

// The file name as the report prints it: the path without drive and folder.
std::string ReportFileName(const std::string& path);

// The report as plain text: every line ends with a line feed, and a form
// feed stands between two pages.
std::string ReportPlainText(const Report& report);

}  // namespace kp07
