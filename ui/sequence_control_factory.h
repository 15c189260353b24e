#pragma once

// Creates the frame-sequence controls for a window's control factory:
// "SequenceLabel" and "SequenceButton"; nothing for any other element.

#include <memory>
#include <string>

#include "ui/framework/control.h"

std::unique_ptr<CControl> CreateSequenceControl(const std::wstring& element);
