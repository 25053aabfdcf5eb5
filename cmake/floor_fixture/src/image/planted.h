// A file of the ground floor that reaches up: the floor check must refuse it.
#pragma once
#include "blocks/image_ops.h"
