#include "link_fixture.h"

#include <algorithm>

#include "blocks/image_ops.h"
#include "image/accessors.h"
#include "link/link_state.h"
#include "support/test_support.h"

namespace kp07::test {

void RecordingOwner::PostReport(unsigned message, unsigned value) {
    reports.push_back({message, value, linkClock().NowMs()});
    if (onReport) onReport(message, value);
}

bool RecordingOwner::TakeCancel() {
    return cancelWhen && cancelWhen();
}

MsgResult RecordingOwner::Ask(int id, MsgButtons buttons, MsgIcon icon, const std::string& arg1) {
    return ShowMessage(id, buttons, icon, arg1);
}

std::string RecordingOwner::KeepRadioImage(const RadioImage& radio) {
    kept.push_back(radio);
    return keepError;
}

bool RecordingOwner::Posted(unsigned message, unsigned value) const {
    return std::any_of(reports.begin(), reports.end(),
                       [&](const Report& r) { return r.message == message && r.value == value; });
}

int RecordingOwner::Count(unsigned message) const {
    return int(std::count_if(reports.begin(), reports.end(),
                             [&](const Report& r) { return r.message == message; }));
}

std::vector<unsigned> RecordingOwner::Values(unsigned message) const {
    std::vector<unsigned> values;
    for (const Report& r : reports) {
        if (r.message == message) values.push_back(r.value);
    }
    return values;
}

void LinkTest::SetUp() {
    ResetProcessStateForTest();
    CreateImageAndBlocks();
}

void LinkTest::TearDown() {
    cable_.reset();
    DestroyImageAndBlocks();
    ResetProcessStateForTest();
}

SimulatedCable& LinkTest::Cable(const RadioImage& memory, std::uint32_t cloneBaud) {
    cable_.reset();  // the old cable hands back the clock and the line first
    cable_ = std::make_unique<SimulatedCable>(memory, PortDevice(comPort));
    if (cloneBaud) {
        cable_->radio().StartInCloneMode(cloneBaud);
    } else {
        cable_->radio().StartIdle();
    }
    return *cable_;
}

void LinkTest::ExpectOnlyMessage(const std::string& text, MsgIcon icon) {
    const std::vector<MessageRecorder::Shown> shown = messages.shown();
    ASSERT_EQ(shown.size(), 1u) << messages.last();
    EXPECT_EQ(shown[0].text, text);
    EXPECT_EQ(shown[0].icon, icon);
}

RadioImage RadioMemory(std::mt19937& rng) {
    RadioImage image = RandomImage(rng);
    SetFirmwareVersion(image, 400);
    return image;
}

void MakeDocument() {
    FillDefaults(*radioImage);
    SetFirmwareVersion(*radioImage, 400);
    LoadPersistentBlocks(*radioImage);
    RebuildImage(*radioImage);
    imageModified = 0;
}

std::vector<std::uint8_t> Slice(const RadioImage& image, std::size_t first, std::size_t last) {
    return std::vector<std::uint8_t>(image.begin() + first, image.begin() + last + 1);
}

}  // namespace kp07::test
