// Whole-image operations: a new image of defaults, reloading the program-wide
// blocks after an image arrived, and rebuilding the image from its blocks.
#pragma once

#include <memory>

#include "image/radio_image.h"

namespace kp07 {

class RadioIdentity;
class HardwareParams;
class ChannelTable;
class SignalingType;

// The four program-wide blocks, created with the document's image.
extern std::unique_ptr<RadioIdentity> identity;
extern std::unique_ptr<HardwareParams> hardware;
extern std::unique_ptr<ChannelTable> channels;
extern std::unique_ptr<SignalingType> signalingType;

// Allocates a zero-filled image and the four program-wide blocks (as the
// document does when it builds its image).
void CreateImageAndBlocks();
// Frees them again.
void DestroyImageAndBlocks();

// Every block stores its defaults into a zeroed image.
void FillDefaults(RadioImage& image);
// Load of RadioIdentity, SignalingType, HardwareParams and ChannelTable.
void LoadPersistentBlocks(const RadioImage& image);
// Rewrites the image from its blocks: fields of the signaling family that is
// switched off and bytes no block owns go to zero; the checksum is updated.
void RebuildImage(RadioImage& image);

}  // namespace kp07
