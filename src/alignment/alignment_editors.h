// What the two item editors of the Alignment dialog do, without their
// widgets.
//
// The slider editor sets items 0..7 live: the radio transmits on the
// channel (except for the receiver sensitivity) and every new value goes to
// it at once, so the technician reads the effect on the test set; a value the
// radio does not take is not kept. The read-back editor sets items 8..10 from
// the radio's own readings (RSSI and squelch), polled twice a second.
#pragma once

#include <string>

#include "alignment/alignment_link.h"

namespace kp07 {

class AlignmentSlider {
  public:
    static constexpr int kMax = 255;

    // The item's current value; nothing is sent yet.
    AlignmentSlider(int channel, int item);

    // Starts the test transmission for the items that transmit.
    void Begin();
    bool transmitting() const { return transmitting_; }
    int value() const { return value_; }

    // Sends `value` (held to 0..255) when it differs from the current one.
    // True when the value is current afterwards; false when the radio did
    // not take it and the previous value stays.
    bool Apply(int value);
    // One step up or down; nothing happens beyond 0 or 255.
    bool Step(int delta);
    // Ends the test transmission (37h, also after Cancel) and, on OK,
    // stores the value and marks alignment modified.
    void Finish(bool ok);

    // A typed value: a decimal number cut toward zero, held to 0..255.
    static int ParseTyped(const std::string& text);

  private:
    int channel_;
    int item_;
    int value_;
    bool transmitting_ = false;
};

class AlignmentReadBack {
  public:
    AlignmentReadBack(int channel, int item);

    // Asks the radio for its status; true when a reading arrived.
    bool Poll();
    bool hasReading() const { return hasReading_; }
    // Status byte 2 for the RSSI, byte 1 for the squelch items.
    int reading() const { return reading_; }

    int value() const { return value_; }
    // "Copy ->": the reading as it is.
    void CopyReading();
    // A typed value: a decimal number cut toward zero, held to 0..100.
    void SetTyped(const std::string& text);
    // On OK stores the value and marks alignment modified.
    void Finish(bool ok);

  private:
    int channel_;
    int item_;
    int value_;
    int reading_ = 0;
    bool hasReading_ = false;
};

}  // namespace kp07
