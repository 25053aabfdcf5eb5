// The main window: menus, toolbar, status bar with the clock, the channel
// view, and the bracket that keeps the image consistent around every dialog.
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QTime>
#include <functional>

#include "document/document.h"

class QAction;
class QLabel;
class QMenu;
class QTimer;

namespace kp07 {

class AppProfile;
class ChannelViewApi;

// How a dialog command leaves the view: nothing to redraw (0), a rebuilt
// grid and the menus of the signaling family (1; the grid goes to group 0
// only after an Upload), the header texts (2), or a band change that looks
// for that band's default file (4).
enum RefreshCode { kRefreshNothing = 0, kRefreshAll = 1, kRefreshFacts = 2, kRefreshBand = 4 };

class CMainFrame : public QMainWindow, public DocumentHost {
    Q_OBJECT

  public:
    static constexpr int kMinWidth = 835;
    static constexpr int kMinHeight = 540;

    CMainFrame(CKP05Doc& doc, AppProfile& profile, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The central widget; the frame sends refreshes and copy/paste to it.
    void SetView(QWidget* widget, ChannelViewApi* view);
    ChannelViewApi* view() const { return view_; }

    // A command: runs `handler` when the action fires. Commands without a
    // handler are shown disabled.
    void SetCommandHandler(int id, std::function<void()> handler);
    QAction* Action(int id) const;
    // Runs a command as the menu would (tests, toolbar).
    void Trigger(int id);

    // Runs a parameter dialog inside the bracket: rebuild the image, run the
    // dialog (which returns its refresh code), reload the program-wide blocks
    // unless `reload` is false, then apply the refresh code.
    void RunDialogCommand(const std::function<int()>& dialog, bool reload);
    void ApplyRefresh(int code);

    // Which signaling family's commands are enabled.
    void SetFiveToneMenus(bool fiveTone);
    bool fiveToneMenus() const { return fiveToneMenus_; }
    void UpdateCommandStates();

    // Help: shows the page of topic `context` in the help window (the topic
    // of a control is looked up in the dialog that asks, if one is open).
    // Topic 0 shows nothing.
    void ShowHelp(int context);

    // The clock pane's text for a time ("9:05").
    static QString ClockText(const QTime& time);
    void SetClockSource(std::function<QTime()> now);
    void UpdateClock();
    QString clockText() const;

    // Brings the window to the front for a second copy of the program:
    // out of the task bar if it was minimised, maximised again if it was.
    void BringToFront();

    // The frame's own title (without the document's name).
    QString FrameTitle() const;
    // File dialogs go through this, so that tests can answer them.
    std::function<QString(bool save)> fileChooser;

    // DocumentHost
    void SetTitle(const std::string& title) override;
    void RefreshViews() override;
    void SignalingFamilyChanged(bool fiveTone) override;
    std::string AskOpenPath() override;
    std::string AskSavePath() override;

    void AddRecentFile(const QString& path);
    void UpdateRecentFiles();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void CreateMenus();
    void CreateToolbar();
    void CreateStatusBar();
    void OpenRecentFile(int index);
    void WriteProfile();
    QString ChooseFile(bool save);

    CKP05Doc& doc_;
    AppProfile& profile_;
    ChannelViewApi* view_ = nullptr;
    QHash<int, QAction*> actions_;
    QHash<int, std::function<void()>> handlers_;
    QList<QAction*> recentActions_;
    QLabel* messagePane_ = nullptr;
    QLabel* clockPane_ = nullptr;
    QTimer* clockTimer_ = nullptr;
    std::function<QTime()> now_;
    bool fiveToneMenus_ = true;
    bool profileWritten_ = false;
    QString documentTitle_;
};

}  // namespace kp07
