// The help window: the program's own manual, built into the program as
// HTML pages, shown in one window with Back, Forward and Contents. Links
// between the pages work; a topic with an anchor scrolls to its entry.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QUrl>
#include <string>

class QAction;
class QDialog;
class QTextBrowser;

namespace kp07 {

class HelpWindow : public QMainWindow {
    Q_OBJECT
  public:
    // The address of `page` of the built-in help, at `anchor` ("" for the
    // top), and whether the page is there.
    static QUrl PageUrl(const std::string& page, const std::string& anchor);
    static bool PageExists(const std::string& page);

    // Shows `url` in the one help window (created on first use, owned by
    // `frame`, raised afterwards). `asking` is the window the request came
    // from: while a modal dialog asks, the help window belongs to it, so that
    // it can be scrolled and its links followed; when the dialog closes the
    // window goes back to the frame and stays open.
    static HelpWindow* Show(const QUrl& url, QWidget* frame, QWidget* asking);
    // The help window, or nullptr when it is not open.
    static HelpWindow* Current();

    QTextBrowser* browser() const { return browser_; }
    QUrl source() const;
    QAction* backAction() const { return back_; }
    QAction* forwardAction() const { return forward_; }
    QAction* contentsAction() const { return contents_; }

  private:
    explicit HelpWindow(QWidget* frame);
    void Open(const QUrl& url);
    void Attach(QWidget* asking);
    void DialogFinished();
    void MarkEntry(const QString& anchor);

    QPointer<QWidget> frame_;
    QPointer<QDialog> dialog_;
    QTextBrowser* browser_;
    QAction* back_;
    QAction* forward_;
    QAction* contents_;
};

}  // namespace kp07
