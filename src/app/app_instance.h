// Start-up: one running copy per user, the profile, the factory and
// production switches, the document and the main window.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>

class QLocalServer;

namespace kp07 {

class AppProfile;
class CKP05Doc;
class CMainFrame;

// The command line, taken as a whole: a switch counts only when it is the
// whole command line ("/m", "/M", "-m", "-M" for factory mode; "/f", "/F",
// "-f", "-F" for production mode); anything else names a data file. A
// request to print a file ("/p FILE", "/pt FILE PRINTER ...", as a file
// manager sends it) starts a new document instead.
struct CommandLine {
    bool factorySwitch = false;
    bool productionSwitch = false;
    bool printRequest = false;
    QString fileName;
};
CommandLine ParseCommandLine(const QStringList& arguments);  // without the program name

// The single-instance rule. The copy that gets to listen on a local socket
// named after the program (and the user) is the first; a copy that finds the
// name taken asks the holder to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT

  public:
    explicit SingleInstance(const QString& name, QObject* parent = nullptr);
    ~SingleInstance() override;
    // True when this is the first copy; false after the first copy has been
    // asked to come to the front.
    bool Claim();
    static QString NameForProgram(const QString& programBaseName);

  signals:
    void raiseRequested();

  private:
    bool Listen();
    bool AskHolderToRaise();

    QString name_;
    QLocalServer* server_ = nullptr;
};

// Everything InitInstance sets up, kept alive for the run.
class Application {
  public:
    Application();
    ~Application();
    // False when the process should end at once (second copy, or a file on
    // the command line that cannot be opened).
    bool InitInstance(const QStringList& arguments);
    CMainFrame* frame() const { return frame_.get(); }
    CKP05Doc* document() const { return doc_.get(); }
    AppProfile* profile() const { return profile_.get(); }

    // Where the profile lives (tests point it elsewhere).
    QString profilePath;
    // Whether to enforce the single-instance rule (tests run several).
    bool singleInstance = true;

  private:
    std::unique_ptr<SingleInstance> instance_;
    std::unique_ptr<AppProfile> profile_;
    std::unique_ptr<CKP05Doc> doc_;
    std::unique_ptr<CMainFrame> frame_;
};

// The name of the default printer ("" when there is none).
QString DefaultPrinterName();
extern QString printerName;

}  // namespace kp07
