// Stands in the main window until the channel grid view takes its place.
#pragma once

#include <QWidget>

#include "channels/view_api.h"

class QLabel;

namespace kp07 {

class PlaceholderView : public QWidget, public ChannelViewApi {
    Q_OBJECT

  public:
    explicit PlaceholderView(QWidget* parent = nullptr);

    void RefreshView() override;
    void ShowRadioFacts() override;
    int HelpContext() const override { return 0; }
    bool CanCopy() const override { return false; }
    bool CanPaste() const override { return false; }
    void Copy() override {}
    void Paste() override {}

  private:
    QLabel* facts_;
};

}  // namespace kp07
