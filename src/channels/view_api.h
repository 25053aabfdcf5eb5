// What the main frame asks of the channel view, whatever widget provides it.
#pragma once

namespace kp07 {

class ChannelViewApi {
  public:
    virtual ~ChannelViewApi() = default;
    // Rebuilds the whole view from the channel table.
    virtual void RefreshView() = 0;
    // Refreshes the header texts (serial number, band, model, ...).
    virtual void ShowRadioFacts() = 0;
    // The help topic of what has the focus in the view (0 for none).
    virtual int HelpContext() const = 0;
    virtual bool CanCopy() const = 0;
    virtual bool CanPaste() const = 0;
    virtual void Copy() = 0;
    virtual void Paste() = 0;
    // Commits what is being typed in a cell, as leaving the editor would:
    // commands that rebuild the image from the channel table need it there
    // first.
    virtual void FinishEditing() = 0;
};

}  // namespace kp07
