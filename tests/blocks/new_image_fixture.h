// A process holding a new image and the program-wide blocks read from it, as
// after File > New.
#pragma once

#include <gtest/gtest.h>

#include "blocks/image_ops.h"
#include "image/process_state.h"
#include "support/test_support.h"

namespace kp07::test {

class NewImageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetProcessStateForTest();
        CreateImageAndBlocks();
        FillDefaults(*radioImage);
        RebuildImage(*radioImage);
        LoadPersistentBlocks(*radioImage);
        imageModified = 0;
    }
    void TearDown() override {
        DestroyImageAndBlocks();
        ResetProcessStateForTest();
    }
};

}  // namespace kp07::test
