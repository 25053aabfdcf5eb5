#include "resources/icons_qt.h"

#include <QString>

#include "resources/command_ids.h"

// The pictures live in a static library: its resources are registered by
// hand before the first use.
static void RegisterIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(icons);
        return true;
    }();
    (void)registered;
}

namespace kp07 {
namespace {

struct CommandPicture {
    int id;
    const char* themeName;  // nullptr: the program's own picture only
    const char* file;
};

// Upload and Download move the radio's memory, Save as PDF writes the report
// as a file: no desktop icon says that.
constexpr CommandPicture kPictures[] = {
    {cmd::kNew, "document-new", "document-new"},
    {cmd::kOpen, "document-open", "document-open"},
    {cmd::kSave, "document-save", "document-save"},
    {cmd::kCopy, "edit-copy", "edit-copy"},
    {cmd::kPaste, "edit-paste", "edit-paste"},
    {cmd::kPrint, "document-print", "document-print"},
    {cmd::kPrintPreview, "document-print-preview", "document-print-preview"},
    {cmd::kSaveAsPdf, nullptr, "document-pdf"},
    {cmd::kAbout, "help-about", "help-about"},
    {cmd::kToolbarUpload, nullptr, "radio-upload"},
    {cmd::kToolbarDownload, nullptr, "radio-download"},
};

QIcon Bundled(const char* file, std::initializer_list<int> sizes) {
    RegisterIconResources();
    QIcon icon;
    for (int size : sizes)
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(file)).arg(size),
                     QSize(size, size));
    return icon;
}

}  // namespace

QIcon CommandIcon(int commandId) {
    for (const CommandPicture& picture : kPictures) {
        if (picture.id != commandId) continue;
        const QIcon own = Bundled(picture.file, {24, 48});
        return picture.themeName ? QIcon::fromTheme(QLatin1String(picture.themeName), own) : own;
    }
    return QIcon();
}

QIcon ProgramIcon() {
    return Bundled("kp07xt", {16, 32, 48, 64, 128});
}

}  // namespace kp07
