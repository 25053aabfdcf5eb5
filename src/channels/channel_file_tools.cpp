#include "channels/channel_file_tools.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "channels/image_diff.h"
#include "document/data_file.h"
#include "document/safe_save.h"
#include "resources/message.h"

namespace kp07 {
namespace {

constexpr int kMsgOpenForRead = 32;
constexpr int kMsgReadFailed = 34;
constexpr int kMsgBadFormat = 37;

}  // namespace

bool LoadDataFile(const std::string& path, RadioImage* image, double* offsetMHz) {
    switch (CheckDataFile(path, kDataFileSize)) {
        case 0:
            break;
        case 2:
            ShowMessage(kMsgReadFailed, MsgButtons::kOk, MsgIcon::kStop, path);
            return false;
        case 3:
            ShowMessage(kMsgBadFormat, MsgButtons::kOk, MsgIcon::kStop, path);
            return false;
        default:
            ShowMessage(kMsgOpenForRead, MsgButtons::kOk, MsgIcon::kStop, path);
            return false;
    }
    image->fill(0);
    FileTrailer trailer{};
    if (!ReadDataFile(path, *image, trailer)) return false;
    if (offsetMHz) *offsetMHz = TrailerOffsetMHz(trailer);
    return true;
}

bool ReadTextFile(const std::string& path, std::size_t limit, std::string* text) {
    text->clear();
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        if (fd >= 0) ::close(fd);
        ShowMessage(kMsgOpenForRead, MsgButtons::kOk, MsgIcon::kStop, path);
        return false;
    }
    char buffer[65536];
    bool ok = true;
    while (text->size() <= limit) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        text->append(buffer, std::size_t(n));
    }
    ::close(fd);
    if (!ok) ShowMessage(kMsgReadFailed, MsgButtons::kOk, MsgIcon::kStop, path);
    return ok;
}

bool WriteTextFile(const std::string& path, const std::string& text) {
    return SaveFileTellingUser(path, text.data(), text.size());
}

ToolOutput ExportChannelsFile(const std::string& dataFile, const std::string& csvPath,
                              CsvLayout layout) {
    ToolOutput result;
    RadioImage image{};
    if (!LoadDataFile(dataFile, &image, nullptr)) {
        result.status = 1;
        return result;
    }
    std::vector<std::string> notCarried;
    const std::string csv = ExportChannelsCsv(image, layout, &notCarried);
    for (const std::string& line : notCarried) result.err += line + "\n";
    if (csvPath == "-") {
        result.out = csv;
    } else if (!WriteTextFile(csvPath, csv)) {
        result.status = 1;
    }
    return result;
}

ToolOutput ImportChannelsFile(const std::string& dataFile, const std::string& csvPath,
                              const std::string& outPath) {
    ToolOutput result;
    result.status = 1;
    RadioImage image{};
    double offset = 0.0;
    std::string text;
    if (!LoadDataFile(dataFile, &image, &offset) || !ReadTextFile(csvPath, kMaxCsvBytes, &text))
        return result;
    // A changed frequency takes the file's own automatic transmit offset.
    const double programOffset = autoTxOffsetMHz;
    autoTxOffsetMHz = offset;
    const CsvImportResult imported = ImportChannelsCsv(image, text);
    autoTxOffsetMHz = programOffset;
    const std::string report = CsvImportReport(imported);
    if (!imported.accepted) {
        result.err = report;
        return result;
    }
    result.out = report;
    const int modified = imageModified;
    const bool written =
        WriteDataFile(outPath.empty() ? dataFile : outPath, image, TrailerFromOffset(offset));
    imageModified = modified;
    if (written) result.status = 0;
    return result;
}

ToolOutput DiffDataFiles(const std::string& a, const std::string& b) {
    ToolOutput result;
    RadioImage imageA{}, imageB{};
    if (!LoadDataFile(a, &imageA, nullptr) || !LoadDataFile(b, &imageB, nullptr)) {
        result.status = 2;
        return result;
    }
    const ImageDiff diff = DiffImages(imageA, imageB);
    result.out = ImageDiffText(diff);
    result.status = diff.equal ? 0 : 1;
    return result;
}

}  // namespace kp07
